// SPDX-License-Identifier: Apache-2.0
#pragma once

// Glyph coverage: outlines rasterized by FreeType's antialiasing rasterizer
// under a 2x2 map and a sub-pixel phase, kept in a process-wide cache that
// is bounded in memory.

#include <cstdint>

#include "platform/gl/detail/Fonts.h"
#include "platform/gl/detail/PixelRect.h"

namespace glstandin::detail {

// Sub-pixel phases a glyph is rasterized at, per pixel along each axis.
constexpr int kGlyphPhases = 4;
// A map's entries count 1/kMapSteps of a pixel per em.
constexpr int kMapSteps = 64;
// The largest entry of a map, in pixels per em; larger texts are not drawn
// (their glyphs would not fit FreeType's 16-bit span coordinates).
constexpr int kMaxPixelsPerEm = 4096;

// How an em maps to window pixels: the point (u, v) of the em square, in
// ems, lands (xx u + xy v, yx u + yy v) pixels from the glyph's origin, the
// entries in 1/kMapSteps pixel.
struct GlyphMap {
  std::int32_t xx = 0;
  std::int32_t xy = 0;
  std::int32_t yx = 0;
  std::int32_t yy = 0;
  bool operator==(const GlyphMap&) const = default;
};

// A glyph image: the face's glyph under the map, its origin at the phase
// (in 1/kGlyphPhases pixel) within pixel (0, 0).
struct GlyphKey {
  const Font* font = nullptr;
  GlyphMap map;
  std::uint32_t glyph = 0;
  std::int32_t phaseX = 0;
  std::int32_t phaseY = 0;
  bool operator==(const GlyphKey&) const = default;
};

// Takes a glyph's coverage (0 to 255) a run of pixels at a time: length
// pixels from (x, y) along x, in pixels relative to the glyph's pixel (0, 0);
// the i-th has coverage[i * step] (step 0: all the same).
class CoverageSink {
 public:
  virtual void run(int x, int y, int length, const unsigned char* coverage, int step) = 0;

 protected:
  ~CoverageSink() = default;
};

// Hands sink the coverage of key's glyph within clip (relative to the
// glyph's pixel): from the cache, after rasterizing the image into it when
// it is not there yet. An image too large for the cache, or met while the
// cache is full, is rasterized within clip alone, every time: FreeType's
// rasterizer gives a pixel the same coverage whatever the clip. Under
// textMutex().
void drawGlyph(const GlyphKey& key, const PixelRect& clip, CoverageSink& sink);

}  // namespace glstandin::detail
