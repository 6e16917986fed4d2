// SPDX-License-Identifier: Apache-2.0
// The framebuffer and the calls that treat it whole: clearing and reading.

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/gl/GL.h"
#include "platform/gl/detail/Clamp.h"
#include "platform/gl/detail/PixelRect.h"
#include "platform/gl/detail/Spans.h"

namespace glstandin {

Framebuffer::Framebuffer(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  const std::size_t pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  if (pixels > std::numeric_limits<std::size_t>::max() / 4 / sizeof(float)) {
    throw std::length_error("Framebuffer: too many pixels");
  }
  color_.assign(pixels * 4, 0);
  depth_.assign(pixels, 1.0f);
}

}  // namespace glstandin

using glstandin::detail::PixelRect;

void glClear(GLbitfield mask) {
  glstandin::Framebuffer* buffer = glstandin::boundFramebuffer();
  const GLRenderState& state = glstandin::currentState();
  if (!buffer || state.primitiveMode != 0) return;
  const PixelRect rect = glstandin::detail::writableRect(state, *buffer);
  if (rect.empty()) return;
  unsigned char color[4];
  for (int i = 0; i < 4; ++i) color[i] = glstandin::detail::colorByte(state.clearColor[i]);
  const float depth = static_cast<float>(state.clearDepth);
  const auto x0 = static_cast<int>(rect.x0);
  auto count = static_cast<std::size_t>(rect.x1 - rect.x0);
  auto y1 = rect.y1;
  if (count == static_cast<std::size_t>(buffer->width())) {  // whole rows: one run
    count *= static_cast<std::size_t>(rect.y1 - rect.y0);
    y1 = rect.y0 + 1;
  }
  for (auto y = static_cast<int>(rect.y0); y < y1; ++y) {
    if (mask & GL_COLOR_BUFFER_BIT)
      glstandin::detail::fillPixels(buffer->pixel(x0, y), count, color);
    if (mask & GL_DEPTH_BUFFER_BIT)
      glstandin::detail::fillDepths(buffer->depthPointer(x0, y), count, depth);
  }
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* data) {
  const glstandin::Framebuffer* buffer = glstandin::boundFramebuffer();
  if (!buffer || !data || width < 0 || height < 0 || format != GL_RGBA ||
      type != GL_UNSIGNED_BYTE || glstandin::currentState().primitiveMode != 0) {
    return;
  }
  const PixelRect rect = PixelRect::box(x, y, width, height)
                             .intersect(PixelRect::box(0, 0, buffer->width(), buffer->height()));
  if (rect.empty()) return;
  auto* out = static_cast<unsigned char*>(data);
  const auto rowBytes = static_cast<std::size_t>(width) * 4;
  const auto spanBytes = static_cast<std::size_t>(rect.x1 - rect.x0) * 4;
  for (std::int64_t row = rect.y0; row < rect.y1; ++row) {
    const std::size_t offset =
        static_cast<std::size_t>(row - y) * rowBytes + static_cast<std::size_t>(rect.x0 - x) * 4;
    std::memcpy(out + offset, buffer->pixel(static_cast<int>(rect.x0), static_cast<int>(row)),
                spanBytes);
  }
}
