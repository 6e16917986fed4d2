// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gl/GL.h"

namespace glstandin::detail {

// A rectangle of pixels, half-open: x0 <= x < x1, y0 <= y < y1. 64-bit, so
// that an origin plus a size never overflows.
struct PixelRect {
  std::int64_t x0 = 0;
  std::int64_t y0 = 0;
  std::int64_t x1 = 0;
  std::int64_t y1 = 0;

  static PixelRect box(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    return {x, y, x + width, y + height};
  }
  bool empty() const { return x0 >= x1 || y0 >= y1; }
  PixelRect intersect(const PixelRect& other) const {
    return {std::max(x0, other.x0), std::max(y0, other.y0), std::min(x1, other.x1),
            std::min(y1, other.y1)};
  }
};

// The pixels of buffer that draws and clears may write: all, or those in the
// scissor box when the scissor test is on.
inline PixelRect writableRect(const GLRenderState& state, const Framebuffer& buffer) {
  PixelRect rect = PixelRect::box(0, 0, buffer.width(), buffer.height());
  if (!state.scissorEnabled) return rect;
  return rect.intersect(
      PixelRect::box(state.scissorX, state.scissorY, state.scissorWidth, state.scissorHeight));
}

}  // namespace glstandin::detail
