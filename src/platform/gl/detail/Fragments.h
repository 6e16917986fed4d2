// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/gl/GL.h"
#include "platform/gl/detail/PixelRect.h"
#include "platform/gl/detail/Spans.h"

namespace glstandin::detail {

// Where and how a primitive's fragments land: the pixels it may write (the
// buffer, within the scissor box when the scissor test is on), its flat colour and the depth test.
struct FragmentTarget {
  Framebuffer* buffer = nullptr;
  PixelRect rect;
  unsigned char color[4] = {0, 0, 0, 0};
  bool depthTest = false;
  GLenum depthFunc = GL_LESS;

  // Calls fn with the depth function as a comparison of a fragment's depth
  // with the stored one that the compiler sees whole.
  template <typename Fn>
  decltype(auto) withDepthTest(const Fn& fn) const {
    switch (depthFunc) {
      case GL_LESS:
        return fn([](float d, float s) { return d < s; });
      case GL_LEQUAL:
        return fn([](float d, float s) { return d <= s; });
      default:
        return fn([](float, float) { return true; });
    }
  }

  // Writes pixel (x, y), inside rect, at window depth z when it passes the
  // depth test; with the test off the depth buffer is left alone, as in GL.
  void plot(std::int64_t x, std::int64_t y, double z) const {
    flatSpan(y, x, x + 1, static_cast<float>(z));
  }

  // Writes the pixels x0 <= x < x1 of row y, inside rect. With the depth test
  // on, the fragment at x has window depth depthAt(x) and lands where it
  // passes; with it off the colour fills the span at once.
  template <typename DepthAt>
  void span(std::int64_t y, std::int64_t x0, std::int64_t x1, const DepthAt& depthAt) const {
    if (x0 >= x1) return;
    const auto px = static_cast<std::size_t>(x0);
    const auto py = static_cast<int>(y);
    unsigned char* colors = buffer->colors(py) + 4 * px;
    const auto count = static_cast<std::size_t>(x1 - x0);
    if (!depthTest) {
      fillPixels(colors, count, color);
      return;
    }
    float* depths = buffer->depths(py) + px;
    withDepthTest([&](auto test) { depthSpan(colors, depths, x0, count, depthAt, test); });
  }

  // The span of a primitive at the one depth z. Where the row is not yet
  // written out, and the depth test gives every pixel the same answer, it
  // is noted in the row, to be written out with it.
  void flatSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, float z) const {
    const auto py = static_cast<int>(y);
    const auto begin = static_cast<int>(x0);
    const auto end = static_cast<int>(x1);
    bool all = true;
    bool none = true;
    if (depthTest && begin < end && buffer->notedDepths(py, begin, end, [&](float stored) {
          (passes(z, stored) ? none : all) = false;
        })) {
      if (all) buffer->deferFill(py, begin, end, color, z);
      if (all || none) return;
    }
    span(y, x0, x1, [z](std::int64_t) { return z; });
  }

  bool passes(float depth, float stored) const {
    return withDepthTest([&](auto test) { return test(depth, stored); });
  }

 private:
  // The depth-tested span, the depth function known at compile time.
  template <typename DepthAt, typename Passes>
  void depthSpan(unsigned char* colors, float* depths, std::int64_t x0, std::size_t count,
                 const DepthAt& depthAt, Passes passes) const {
    std::uint32_t pattern = 0;
    std::memcpy(&pattern, color, 4);
    // Every pixel is written back, kept or replaced: a select the compiler
    // can do several pixels at a time.
    for (std::size_t i = 0; i < count; ++i) {
      const auto depth = static_cast<float>(depthAt(x0 + static_cast<std::int64_t>(i)));
      const float stored = depths[i];
      const std::uint32_t pass = 0u - std::uint32_t{passes(depth, stored)};  // all ones or 0
      depths[i] = pass ? depth : stored;
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, colors + 4 * i, 4);
      pixel = (pattern & pass) | (pixel & ~pass);
      std::memcpy(colors + 4 * i, &pixel, 4);
    }
  }
};

// The target of a primitive drawn into buffer with the state's settings, in
// colour rgba (components clamped to [0, 1]).
FragmentTarget fragmentTarget(const GLRenderState& state, Framebuffer& buffer,
                              const double (&rgba)[4]);

}  // namespace glstandin::detail
