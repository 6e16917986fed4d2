// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbViewportRegion.h"

class SoGLRenderAction;
namespace glstandin {
class Framebuffer;
}
class SoNode;

// Renders a scene into the GL stand-in's software framebuffer, whole or in
// columns x rows tiles, and hands the picture over row by row, top row first,
// each row width * 4 bytes of RGBA.
//
// A tiled render draws each tile through the render action's tile path (the
// tile's part of the view volume and the whole picture as logical viewport);
// the views narrow each tile to their rectangles, in classic mode or in
// render-unit mode, whichever SoDB is in. Tiles are drawn a band of one tile
// row at a time, top band first, and a band of more pixels than the band
// limit (a 4096 x 4096 square by default) a strip of rows at a time, each
// strip cut into the band's columns: memory holds one strip of at most the
// limit and one tile of it, never the whole picture, whatever the tiles, so
// that a picture far larger than memory streams to its writer. The pieces
// stitch as the tiles do, so the picture is the same. A whole render (1 x 1)
// holds the picture once, in the framebuffer its rows are handed from. The
// renderer keeps the framebuffer of its last piece (a tile, or the whole
// picture) for its next render.
//
// The tiles cut the picture at whole pixels: column i of C spans the pixels
// [floor(i * width / C), floor((i + 1) * width / C)), rows alike.
class SoOffscreenRenderer {
 public:
  // The largest picture side, in pixels.
  static constexpr int kMaximumSide = 16384;
  // The most pixels of the picture a tiled render holds at once, by default:
  // 64 MiB of RGBA.
  static constexpr std::size_t kBandPixelLimit = std::size_t{1} << 24;

  // Receives row (0 the top row) of the picture: width * 4 bytes. Returning
  // false stops the render, which then fails.
  using RowSink = std::function<bool(int row, const unsigned char* rgba)>;
  // Told after each piece drawn, how many are done out of how many: a piece
  // is a tile, or a strip of one where a band is cut into strips.
  using Progress = std::function<void(int done, int total)>;

  // The picture's size is the region's window size.
  explicit SoOffscreenRenderer(const SbViewportRegion& region);
  // Moves only: it keeps the framebuffer of its last piece for the next
  // render.
  SoOffscreenRenderer(SoOffscreenRenderer&&) noexcept;
  SoOffscreenRenderer& operator=(SoOffscreenRenderer&&) noexcept;
  ~SoOffscreenRenderer();

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }
  // The colour the picture is cleared to (black by default); alpha is 255.
  void setBackgroundColor(const SbColor& color) { background_ = color; }
  const SbColor& getBackgroundColor() const { return background_; }
  // 1 x 1 (the default) renders the picture whole.
  void setTiles(int columns, int rows);
  int getTileColumns() const { return columns_; }
  int getTileRows() const { return rows_; }
  // The most pixels a strip of a tiled render holds (kBandPixelLimit by
  // default); a strip has one row at least.
  void setBandPixelLimit(std::size_t pixels) { bandPixelLimit_ = pixels; }
  std::size_t getBandPixelLimit() const { return bandPixelLimit_; }

  // Why the settings cannot render, or nullptr: a side of 0 or above
  // kMaximumSide, fewer than one tile, or more tiles than pixels on an axis.
  const char* checkSettings() const;

  // Renders scene and hands its rows to sink; FALSE (nothing handed over)
  // when checkSettings() refuses, scene is null, or the sink stops it.
  bool render(SoNode* scene, const RowSink& sink, const Progress& progress = {});
  // Renders scene into getBuffer(): width * height * 4 bytes, top row first.
  bool render(SoNode* scene);
  const unsigned char* getBuffer() const { return buffer_.empty() ? nullptr : buffer_.data(); }

 private:
  // Pixels [x0, x1) x [y0, y1) of the picture, (0, 0) its lower left corner.
  struct Piece {
    int x0, y0, x1, y1;
  };
  // The framebuffer of a piece of this size: the one kept from the last
  // piece drawn when it has the size, else a new one in its place.
  glstandin::Framebuffer& framebufferOf(int width, int height);
  // Draws scene's piece rect of the picture with action into framebuffer
  // (the piece's size), cleared to the background first.
  void drawPiece(SoGLRenderAction& action, SoNode* scene, const Piece& rect,
                 glstandin::Framebuffer& framebuffer) const;

  SbViewportRegion region_;
  SbColor background_{0.0f, 0.0f, 0.0f};
  int columns_ = 1;
  int rows_ = 1;
  std::size_t bandPixelLimit_ = kBandPixelLimit;
  std::vector<unsigned char> buffer_;
  std::unique_ptr<glstandin::Framebuffer> framebuffer_;
};
