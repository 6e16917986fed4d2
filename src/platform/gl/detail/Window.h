// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

#include "platform/gl/GL.h"
#include "platform/gl/detail/Clip.h"

namespace glstandin::detail {

// Window positions are fixed point with this many fractional bits.
constexpr int kSubpixelBits = 8;
constexpr std::int64_t kSubpixels = std::int64_t{1} << kSubpixelBits;

// A vertex in window coordinates: x, y in 1/kSubpixels of a pixel (pixel i
// spans [i * kSubpixels, (i + 1) * kSubpixels)), z the window depth.
struct WindowVertex {
  std::int64_t x = 0;
  std::int64_t y = 0;
  double z = 0.0;
};

// floor(a / b) for b != 0.
inline std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t quotient = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

// The fixed-point position of the centre of pixel i (a column or a row).
inline std::int64_t pixelCentre(std::int64_t i) { return i * kSubpixels + kSubpixels / 2; }
// The first pixel whose centre lies at or after position v.
inline std::int64_t firstPixelAtOrAfter(std::int64_t v) {
  return floorDiv(v + kSubpixels / 2 - 1, kSubpixels);
}
// The first pixel whose centre lies after position v.
inline std::int64_t firstPixelAfter(std::int64_t v) {
  return floorDiv(v + kSubpixels / 2, kSubpixels);
}

// Maps a clipped vertex to the window through the state's viewport and depth
// range. The position relative to the viewport's origin comes from the
// normalised coordinates and the viewport's size alone; the integer origin is
// added last, so shifting the viewport by whole pixels shifts every vertex by
// exactly as many. False when the vertex has no finite position (w <= 0).
bool toWindow(const ClipVertex& clip, const GLRenderState& state, WindowVertex& out);

}  // namespace glstandin::detail
