// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstring>

#include "platform/gl/GL.h"
#include "platform/gl/detail/PixelRect.h"

namespace glstandin::detail {

// Where and how a primitive's fragments land: the pixels it may write (the
// buffer, within the scissor box when the scissor test is on), its flat colour and the depth test.
struct FragmentTarget {
  Framebuffer* buffer = nullptr;
  PixelRect rect;
  unsigned char color[4] = {0, 0, 0, 0};
  bool depthTest = false;
  GLenum depthFunc = GL_LESS;

  // Writes pixel (x, y), inside rect, at window depth z when it passes the
  // depth test; with the test off the depth buffer is left alone, as in GL.
  void plot(std::int64_t x, std::int64_t y, double z) const {
    const auto px = static_cast<int>(x);
    const auto py = static_cast<int>(y);
    if (depthTest) {
      const auto depth = static_cast<float>(z);
      if (!passes(depth, buffer->depth(px, py))) return;
      buffer->setDepth(px, py, depth);
    }
    std::memcpy(buffer->pixel(px, py), color, 4);
  }

  bool passes(float depth, float stored) const {
    switch (depthFunc) {
      case GL_LESS:
        return depth < stored;
      case GL_LEQUAL:
        return depth <= stored;
      default:
        return true;
    }
  }
};

// The target of a primitive drawn into buffer with the state's settings, in
// colour rgba (components clamped to [0, 1]).
FragmentTarget fragmentTarget(const GLRenderState& state, Framebuffer& buffer,
                              const double (&rgba)[4]);

}  // namespace glstandin::detail
