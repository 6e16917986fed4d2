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
  rows_.resize(static_cast<std::size_t>(height_));
}

void Framebuffer::deferFill(int y, int x0, int x1, const unsigned char (&color)[4], float depth) {
  Row& row = rows_[static_cast<std::size_t>(y)];
  Span& span = row.span[row.spans++];
  span = {x0, x1, {color[0], color[1], color[2], color[3]}, depth};
}

void Framebuffer::clear(const unsigned char* color, const float* depth) {
  if (color) std::memcpy(clearColor_, color, 4);
  if (depth) clearDepth_ = *depth;
  const unsigned char cleared = (color ? kColors : 0) | (depth ? kDepths : 0);
  if (cleared == 0) return;
  for (int y = 0; y < height_; ++y) {
    Row& row = rows_[static_cast<std::size_t>(y)];
    // The spans noted stay in the plane not cleared.
    const unsigned char kept = row.pending & ~cleared;
    if (row.spans > 0 && kept != 0) writeOut(static_cast<Plane>(kept), y);
    row.pending |= cleared;
    row.spans = 0;
  }
}

void Framebuffer::writeOut(Plane plane, int y) const {
  Row& row = rows_[static_cast<std::size_t>(y)];
  const auto width = static_cast<std::size_t>(width_);
  if (plane == kColors) {
    unsigned char* colors = &color_[index(0, y) * 4];
    detail::fillPixels(colors, width, clearColor_);
    for (int i = 0; i < row.spans; ++i) {
      const Span& span = row.span[i];
      detail::fillPixels(colors + std::size_t(span.begin) * 4, std::size_t(span.end - span.begin),
                         span.color);
    }
  } else {
    float* depths = &depth_[index(0, y)];
    detail::fillDepths(depths, width, clearDepth_);
    for (int i = 0; i < row.spans; ++i) {
      const Span& span = row.span[i];
      detail::fillDepths(depths + span.begin, std::size_t(span.end - span.begin), span.depth);
    }
  }
  row.pending &= static_cast<unsigned char>(~plane);
  if (row.pending == 0) row.spans = 0;
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
  const bool colors = (mask & GL_COLOR_BUFFER_BIT) != 0;
  const bool depths = (mask & GL_DEPTH_BUFFER_BIT) != 0;
  if (rect.x0 == 0 && rect.y0 == 0 && rect.x1 == buffer->width() && rect.y1 == buffer->height()) {
    buffer->clear(colors ? color : nullptr, depths ? &depth : nullptr);
    return;
  }
  const auto x0 = static_cast<std::size_t>(rect.x0);
  const auto count = static_cast<std::size_t>(rect.x1 - rect.x0);
  for (auto y = static_cast<int>(rect.y0); y < rect.y1; ++y) {
    if (colors) glstandin::detail::fillPixels(buffer->colors(y) + 4 * x0, count, color);
    if (depths) glstandin::detail::fillDepths(buffer->depths(y) + x0, count, depth);
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
