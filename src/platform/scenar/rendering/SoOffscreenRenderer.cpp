// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/rendering/SoOffscreenRenderer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/gl/GL.h"
#include "platform/scenar/actions/SoGLRenderAction.h"

namespace {

// Where part i of parts starts on an axis of length pixels.
int cut(int i, int length, int parts) {
  return static_cast<int>(static_cast<int64_t>(i) * length / parts);
}

// Binds a framebuffer to the GL stand-in for its life, then rebinds the one
// bound before.
class Binding {
 public:
  explicit Binding(glstandin::Framebuffer* framebuffer) : previous_(glstandin::boundFramebuffer()) {
    glstandin::bindFramebuffer(framebuffer);
  }
  ~Binding() { glstandin::bindFramebuffer(previous_); }
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

 private:
  glstandin::Framebuffer* previous_;
};

}  // namespace

SoOffscreenRenderer::SoOffscreenRenderer(const SbViewportRegion& region) : region_(region) {}
SoOffscreenRenderer::SoOffscreenRenderer(SoOffscreenRenderer&&) noexcept = default;
SoOffscreenRenderer& SoOffscreenRenderer::operator=(SoOffscreenRenderer&&) noexcept = default;
SoOffscreenRenderer::~SoOffscreenRenderer() = default;

void SoOffscreenRenderer::setTiles(int columns, int rows) {
  columns_ = columns;
  rows_ = rows;
}

const char* SoOffscreenRenderer::checkSettings() const {
  const SbVec2s size = region_.getWindowSize();
  if (size[0] <= 0 || size[1] <= 0) return "the picture has no pixels";
  if (size[0] > kMaximumSide || size[1] > kMaximumSide)
    return "the picture is more than 16384 pixels on a side";
  if (columns_ < 1 || rows_ < 1) return "the picture needs at least one tile";
  if (columns_ > size[0] || rows_ > size[1]) return "the tiles are finer than the pixels";
  return nullptr;
}

bool SoOffscreenRenderer::render(SoNode* scene, const RowSink& sink, const Progress& progress) {
  if (!scene || checkSettings()) return false;
  const int width = region_.getWindowSize()[0];
  const int height = region_.getWindowSize()[1];
  const auto rowBytes = static_cast<std::size_t>(width) * 4;
  // A whole render stays one piece; a tiled one cuts its bands into strips of
  // at most this many rows.
  const int stripRows = columns_ * rows_ == 1
                            ? height
                            : static_cast<int>(std::clamp<std::size_t>(
                                  bandPixelLimit_ / static_cast<std::size_t>(width), 1,
                                  static_cast<std::size_t>(height)));
  const auto stripsOf = [&](int row) {
    const int rowsInBand = cut(row + 1, height, rows_) - cut(row, height, rows_);
    return (rowsInBand + stripRows - 1) / stripRows;
  };
  int total = 0;
  for (int row = 0; row < rows_; ++row) total += stripsOf(row) * columns_;

  SoGLRenderAction action(region_);
  action.setRenderLogEnabled(false);
  action.setLogicalViewportRegion(SbViewportRegion(region_.getWindowSize()));
  // A picture of one column hands its rows over straight from the
  // framebuffer; tiles are gathered into a strip first.
  std::vector<unsigned char> strip;
  int done = 0;
  // The top band first, and its top strip first: the picture's rows go out
  // top row first.
  for (int row = rows_ - 1; row >= 0; --row) {
    const int band0 = cut(row, height, rows_);
    const int bandRows = cut(row + 1, height, rows_) - band0;
    const int strips = stripsOf(row);
    for (int part = strips - 1; part >= 0; --part) {
      const int y0 = band0 + cut(part, bandRows, strips);
      const int y1 = band0 + cut(part + 1, bandRows, strips);
      if (columns_ > 1) strip.resize(rowBytes * static_cast<std::size_t>(y1 - y0));
      for (int column = 0; column < columns_; ++column) {
        const int x0 = cut(column, width, columns_);
        const int x1 = cut(column + 1, width, columns_);
        glstandin::Framebuffer& framebuffer = framebufferOf(x1 - x0, y1 - y0);
        drawPiece(action, scene, {x0, y0, x1, y1}, framebuffer);
        const auto pieceRowBytes = static_cast<std::size_t>(x1 - x0) * 4;
        for (int y = 0; columns_ > 1 && y < y1 - y0; ++y)
          std::memcpy(strip.data() + rowBytes * static_cast<std::size_t>(y) +
                          static_cast<std::size_t>(x0) * 4,
                      framebuffer.pixel(0, y), pieceRowBytes);
        if (progress) progress(++done, total);
      }
      for (int y = y1 - 1; y >= y0; --y) {
        const unsigned char* rgba = columns_ > 1
                                        ? strip.data() + rowBytes * static_cast<std::size_t>(y - y0)
                                        : framebuffer_->pixel(0, y - y0);
        if (!sink(height - 1 - y, rgba)) return false;
      }
    }
  }
  return true;
}

glstandin::Framebuffer& SoOffscreenRenderer::framebufferOf(int width, int height) {
  if (!framebuffer_ || framebuffer_->width() != width || framebuffer_->height() != height) {
    framebuffer_.reset();  // the old one goes first
    framebuffer_ = std::make_unique<glstandin::Framebuffer>(width, height);
  }
  return *framebuffer_;
}

void SoOffscreenRenderer::drawPiece(SoGLRenderAction& action, SoNode* scene, const Piece& rect,
                                    glstandin::Framebuffer& framebuffer) const {
  const int width = region_.getWindowSize()[0];
  const int height = region_.getWindowSize()[1];
  const Binding binding(&framebuffer);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(background_[0], background_[1], background_[2], 1.0f);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  action.setViewportRegion(SbViewportRegion(static_cast<short>(framebuffer.width()),
                                            static_cast<short>(framebuffer.height())));
  action.setVVPortion(SbVec4f(static_cast<float>(rect.x0) / static_cast<float>(width),
                              static_cast<float>(rect.y0) / static_cast<float>(height),
                              static_cast<float>(rect.x1) / static_cast<float>(width),
                              static_cast<float>(rect.y1) / static_cast<float>(height)));
  action.apply(scene);
}

bool SoOffscreenRenderer::render(SoNode* scene) {
  if (!scene || checkSettings()) return false;
  const auto rowBytes = static_cast<std::size_t>(region_.getWindowSize()[0]) * 4;
  std::vector<unsigned char> picture(rowBytes *
                                     static_cast<std::size_t>(region_.getWindowSize()[1]));
  const bool rendered = render(scene, [&](int row, const unsigned char* rgba) {
    std::memcpy(picture.data() + rowBytes * static_cast<std::size_t>(row), rgba, rowBytes);
    return true;
  });
  if (rendered) buffer_ = std::move(picture);
  return rendered;
}
