// SPDX-License-Identifier: Apache-2.0
// drawText: the origin placed as a vertex is, the em's image at the origin,
// the glyphs laid along the base line from there and their coverage blended
// into the bound framebuffer.

#include "platform/gl/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>

#include "platform/gl/GL.h"
#include "platform/gl/detail/Fonts.h"
#include "platform/gl/detail/Fragments.h"
#include "platform/gl/detail/GlyphCache.h"
#include "platform/gl/detail/Window.h"

namespace {

using glstandin::detail::floorDiv;
using glstandin::detail::FragmentTarget;
using glstandin::detail::GlyphMap;
using glstandin::detail::kSubpixels;
using glstandin::detail::PixelRect;

// A line is not drawn past this many font units from its start (millions of
// ems), which keeps every product below in 64 bits.
constexpr std::int64_t kMaxPen = std::int64_t{1} << 40;
// An origin farther than this from the viewport's origin, in fixed point,
// draws nothing.
constexpr double kMaxOffset = 0x1p52;
static_assert(kSubpixels % glstandin::detail::kMapSteps == 0);
static_assert(kSubpixels % glstandin::detail::kGlyphPhases == 0);

// Where a text goes: its origin in fixed point and window depth, and the
// image of its em there.
struct Placement {
  std::int64_t x = 0;
  std::int64_t y = 0;
  double z = 0.0;
  GlyphMap map;
};

// out[r] = m * in, m column-major, in the order vertices are transformed.
void multiply(const GLfloat* m, const double (&in)[4], double (&out)[4]) {
  for (int r = 0; r < 4; ++r) {
    out[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r] * in[3];
  }
}

// The clip coordinates of the object point or direction v.
void toClip(const GLRenderState& state, const double (&v)[4], double (&clip)[4]) {
  double eye[4];
  multiply(state.modelview, v, eye);
  multiply(state.projection, eye, clip);
}

// Places a text at object point (x, y, z) with an em of size object units.
// The origin's window position is the one a vertex there gets, unclamped;
// the map is the derivative of the window position along object x and y at
// the origin, times size: it comes from the matrices and the viewport's size
// alone, so it is the same in every tile. False when nothing is to be drawn:
// the origin is behind the eye or beyond the near or far plane, far off, or
// the em is too large or not finite.
bool place(const GLRenderState& state, float size, float x, float y, float z, Placement& out) {
  double clip[4];
  toClip(state, {x, y, z, 1.0}, clip);
  double along[2][4];  // d clip / d object x and y
  toClip(state, {1.0, 0.0, 0.0, 0.0}, along[0]);
  toClip(state, {0.0, 1.0, 0.0, 0.0}, along[1]);
  const double w = clip[3];
  if (!(w > 0.0) || !(std::fabs(clip[2]) <= w)) return false;
  std::int64_t position[2];
  std::int32_t entries[2][2];
  for (int i = 0; i < 2; ++i) {
    const double pixels = state.viewport[2 + i];
    const double offset = std::floor((clip[i] / w + 1.0) * 0.5 * pixels * kSubpixels + 0.5);
    if (!(std::fabs(offset) <= kMaxOffset)) return false;
    position[i] = std::int64_t{state.viewport[i]} * kSubpixels + static_cast<std::int64_t>(offset);
    for (int j = 0; j < 2; ++j) {
      const double perEm =
          0.5 * pixels * (along[j][i] * w - clip[i] * along[j][3]) / (w * w) * size;
      if (!(std::fabs(perEm) <= glstandin::detail::kMaxPixelsPerEm)) return false;
      entries[i][j] = static_cast<std::int32_t>(std::lround(perEm * glstandin::detail::kMapSteps));
    }
  }
  out.x = position[0];
  out.y = position[1];
  out.z = state.depthNear + (state.depthFar - state.depthNear) * (clip[2] / w + 1.0) * 0.5;
  out.map = {entries[0][0], entries[0][1], entries[1][0], entries[1][1]};
  return true;
}

// round(a / b) for b > 0.
std::int64_t roundDiv(std::int64_t a, std::int64_t b) { return floorDiv(2 * a + b, 2 * b); }

// A map entry times font units, in fixed-point window units.
std::int64_t toFixed(std::int64_t entryTimesUnits, int unitsPerEm) {
  return roundDiv(entryTimesUnits * (kSubpixels / glstandin::detail::kMapSteps), unitsPerEm);
}

// Where any glyph's pixels lie, in fixed point from its origin: the face's
// box under the map, a pixel wider all round (the phase, rounding). Pixels
// outside are never drawn, whatever the glyph, so every tile agrees.
PixelRect glyphBounds(const glstandin::Font& font, const GlyphMap& map) {
  const FT_BBox& box = font.face->bbox;
  PixelRect bounds = {INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const FT_Pos u : {box.xMin, box.xMax}) {
    for (const FT_Pos v : {box.yMin, box.yMax}) {
      const std::int64_t x =
          toFixed(std::int64_t{map.xx} * u + std::int64_t{map.xy} * v, font.unitsPerEm);
      const std::int64_t y =
          toFixed(std::int64_t{map.yx} * u + std::int64_t{map.yy} * v, font.unitsPerEm);
      bounds = {std::min(bounds.x0, x), std::min(bounds.y0, y), std::max(bounds.x1, x),
                std::max(bounds.y1, y)};
    }
  }
  return {bounds.x0 - kSubpixels, bounds.y0 - kSubpixels, bounds.x1 + kSubpixels,
          bounds.y1 + kSubpixels};
}

// A fixed-point position to the nearest 1/kGlyphPhases pixel: the pixel and
// the phase within it.
struct Snapped {
  std::int64_t pixel = 0;
  std::int32_t phase = 0;
};

Snapped snap(std::int64_t position) {
  constexpr std::int64_t kStep = kSubpixels / glstandin::detail::kGlyphPhases;
  const std::int64_t steps = floorDiv(position + kStep / 2, kStep);
  const std::int64_t pixel = floorDiv(steps, glstandin::detail::kGlyphPhases);
  return {pixel, static_cast<std::int32_t>(steps - pixel * glstandin::detail::kGlyphPhases)};
}

// True when box lies beyond rect in the direction the pen moves: so do the
// boxes of all the glyphs after it, as the pen only goes forward.
bool beyond(const PixelRect& box, const PixelRect& rect, const GlyphMap& map) {
  return (map.xx > 0 && box.x0 >= rect.x1) || (map.xx < 0 && box.x1 <= rect.x0) ||
         (map.yx > 0 && box.y0 >= rect.y1) || (map.yx < 0 && box.y1 <= rect.y0);
}

// Blends coverage into the target: dst = dst (1 - a) + colour a, a the
// coverage times the colour's alpha, in integers; with the depth test on,
// each pixel is tested at the text's depth, which is not written.
class Blender final : public glstandin::detail::CoverageSink {
 public:
  Blender(const FragmentTarget& target, double depth)
      : target_(target), depth_(static_cast<float>(depth)) {}
  // The window pixel the glyph's pixel (0, 0) is.
  void moveTo(std::int64_t x, std::int64_t y) {
    x_ = x;
    y_ = y;
  }
  void run(int x, int y, int length, const unsigned char* coverage, int step) override {
    constexpr unsigned kOne = 255 * 255;
    if (length <= 0) return;
    const auto row = static_cast<int>(y_ + y);
    const auto first = static_cast<std::size_t>(x_ + x);
    const float* depths = target_.depthTest ? target_.buffer->depths(row) + first : nullptr;
    unsigned char* pixels = target_.buffer->colors(row) + 4 * first;
    // Local copies, which the writes to pixels cannot change.
    const FragmentTarget target = target_;
    const float depth = depth_;
    for (int i = 0; i < length; ++i) {
      unsigned a = coverage[i * step] * unsigned{target.color[3]};
      if (depths) a = target.passes(depth, depths[i]) ? a : 0u;
      unsigned char* pixel = pixels + 4 * i;
      for (int c = 0; c < 4; ++c) {
        pixel[c] = static_cast<unsigned char>(
            (pixel[c] * (kOne - a) + target.color[c] * a + kOne / 2) / kOne);
      }
    }
  }

 private:
  const FragmentTarget& target_;
  float depth_;
  std::int64_t x_ = 0;
  std::int64_t y_ = 0;
};

}  // namespace

namespace glstandin {

void drawText(const Font* font, float size, float x, float y, float z, std::string_view utf8) {
  using namespace glstandin::detail;
  Framebuffer* buffer = boundFramebuffer();
  if (!font || !buffer || utf8.empty()) return;
  const GLRenderState& state = currentState();
  Placement placement;
  if (!place(state, size, x, y, z, placement) || placement.map == GlyphMap()) return;
  const double rgba[4] = {state.color[0], state.color[1], state.color[2], state.color[3]};
  const FragmentTarget target = fragmentTarget(state, *buffer, rgba);
  if (target.rect.empty() || target.color[3] == 0) return;

  const GlyphMap& map = placement.map;
  const PixelRect bounds = glyphBounds(*font, map);
  Blender blender(target, placement.z);
  const std::lock_guard lock(textMutex());
  LineWalker walker(*font, utf8);
  while (walker.next() && walker.pen() <= kMaxPen) {
    const std::int64_t gx = placement.x + toFixed(map.xx * walker.pen(), font->unitsPerEm);
    const std::int64_t gy = placement.y + toFixed(map.yx * walker.pen(), font->unitsPerEm);
    const PixelRect box = {
        floorDiv(gx + bounds.x0, kSubpixels), floorDiv(gy + bounds.y0, kSubpixels),
        floorDiv(gx + bounds.x1, kSubpixels) + 1, floorDiv(gy + bounds.y1, kSubpixels) + 1};
    const PixelRect clip = box.intersect(target.rect);
    if (clip.empty()) {
      if (beyond(box, target.rect, map)) break;
      continue;
    }
    const Snapped sx = snap(gx);
    const Snapped sy = snap(gy);
    const GlyphKey key = {font, map, walker.glyph(), sx.phase, sy.phase};
    blender.moveTo(sx.pixel, sy.pixel);
    drawGlyph(key, {clip.x0 - sx.pixel, clip.y0 - sy.pixel, clip.x1 - sx.pixel, clip.y1 - sy.pixel},
              blender);
  }
}

}  // namespace glstandin
