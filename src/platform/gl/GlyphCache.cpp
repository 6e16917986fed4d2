// SPDX-License-Identifier: Apache-2.0
// The glyph cache: outlines loaded under a map and a phase, rasterized into
// coverage images that are kept until the process ends, within a memory
// budget.

#include "platform/gl/detail/GlyphCache.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <vector>

#include "platform/gl/Text.h"

namespace glstandin::detail {

namespace {

// The coverage the cache may hold, and what an entry costs besides it
// (roughly: the node, the key, the vector).
constexpr std::size_t kMaxCacheBytes = std::size_t{64} << 20;
constexpr std::size_t kEntryOverhead = 96;
// Larger images are not kept: a huge glyph is drawn within its clip only.
constexpr std::int64_t kMaxCachedArea = 256 * 256;
// FreeType's spans hold 16-bit coordinates.
constexpr PixelRect kRasterLimits = {-30000, -30000, 30000, 30000};

struct GlyphImage {
  PixelRect box;
  std::vector<unsigned char> coverage;  // rows bottom first
};

struct KeyHash {
  std::size_t operator()(const GlyphKey& key) const {
    std::uint64_t hash = std::hash<const Font*>()(key.font);
    for (const std::int64_t value :
         {std::int64_t{key.map.xx}, std::int64_t{key.map.xy}, std::int64_t{key.map.yx},
          std::int64_t{key.map.yy}, std::int64_t{key.glyph}, std::int64_t{key.phaseX},
          std::int64_t{key.phaseY}}) {
      hash = (hash ^ static_cast<std::uint64_t>(value)) * 0x100000001B3ULL;
      hash ^= hash >> 29;
    }
    return static_cast<std::size_t>(hash);
  }
};

struct Cache {
  std::unordered_map<GlyphKey, GlyphImage, KeyHash> images;
  std::size_t bytes = 0;
  long rasterized = 0;
};

Cache& cache() {
  static Cache instance;
  return instance;
}

// Loads key's glyph into its face's slot as an outline in pixels, under the
// map and shifted by the phase; nullptr when it has no outline. The face is
// sized to ppem pixels, the smallest whole size at which the map's own
// matrix has no entry above 1, so that the outline keeps its precision.
const FT_Outline* loadOutline(const GlyphKey& key) {
  const FT_Face face = key.font->face;
  const GlyphMap& map = key.map;
  const std::int32_t largest =
      std::max({std::abs(map.xx), std::abs(map.xy), std::abs(map.yx), std::abs(map.yy)});
  const std::int32_t ppem = std::max<std::int32_t>(1, (largest + kMapSteps - 1) / kMapSteps);
  // entry / kMapSteps / ppem in 16.16.
  const auto fixed = [ppem](std::int32_t entry) {
    return static_cast<FT_Fixed>(std::lround(static_cast<double>(entry) * 65536.0 /
                                             (kMapSteps * static_cast<double>(ppem))));
  };
  FT_Matrix matrix = {fixed(map.xx), fixed(map.xy), fixed(map.yx), fixed(map.yy)};
  FT_Vector delta = {key.phaseX * (64 / kGlyphPhases), key.phaseY * (64 / kGlyphPhases)};
  if (FT_Set_Char_Size(face, 0, FT_F26Dot6{ppem} * 64, 72, 72) != 0) return nullptr;
  FT_Set_Transform(face, &matrix, &delta);
  const FT_Error error =
      FT_Load_Glyph(face, key.glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_NO_AUTOHINT);
  FT_Set_Transform(face, nullptr, nullptr);
  if (error != 0 || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return nullptr;
  return &face->glyph->outline;
}

// The pixels the outline may touch.
PixelRect outlineBox(const FT_Outline& outline) {
  FT_BBox box;
  FT_Outline_Get_CBox(&outline, &box);
  return PixelRect{box.xMin >> 6, box.yMin >> 6, (box.xMax + 63) >> 6, (box.yMax + 63) >> 6}
      .intersect(kRasterLimits);
}

void forwardSpans(int y, int count, const FT_Span* spans, void* user) {
  auto& sink = *static_cast<CoverageSink*>(user);
  for (int i = 0; i < count; ++i) sink.run(spans[i].x, y, spans[i].len, &spans[i].coverage, 0);
}

// Antialiased coverage of the outline inside clip, to sink.
void rasterize(const FT_Outline& outline, const PixelRect& clip, CoverageSink& sink) {
  if (clip.empty()) return;
  FT_Raster_Params params = {};
  params.source = &outline;
  params.flags = FT_RASTER_FLAG_AA | FT_RASTER_FLAG_DIRECT | FT_RASTER_FLAG_CLIP;
  params.gray_spans = forwardSpans;
  params.user = &sink;
  params.clip_box = {static_cast<FT_Pos>(clip.x0), static_cast<FT_Pos>(clip.y0),
                     static_cast<FT_Pos>(clip.x1), static_cast<FT_Pos>(clip.y1)};
  FT_Outline_Render(freetypeLibrary(), const_cast<FT_Outline*>(&outline), &params);
}

// Writes runs into an image.
class ImageWriter final : public CoverageSink {
 public:
  explicit ImageWriter(GlyphImage& image) : image_(image) {}
  void run(int x, int y, int length, const unsigned char* coverage, int step) override {
    const auto width = image_.box.x1 - image_.box.x0;
    unsigned char* row =
        &image_
             .coverage[static_cast<std::size_t>((y - image_.box.y0) * width + (x - image_.box.x0))];
    for (int i = 0; i < length; ++i) row[i] = coverage[i * step];
  }

 private:
  GlyphImage& image_;
};

// The image's runs within clip, to sink.
void replay(const GlyphImage& image, const PixelRect& clip, CoverageSink& sink) {
  const PixelRect part = image.box.intersect(clip);
  if (part.empty()) return;
  const auto width = image.box.x1 - image.box.x0;
  for (auto y = part.y0; y < part.y1; ++y) {
    const auto offset = (y - image.box.y0) * width + (part.x0 - image.box.x0);
    sink.run(static_cast<int>(part.x0), static_cast<int>(y), static_cast<int>(part.x1 - part.x0),
             &image.coverage[static_cast<std::size_t>(offset)], 1);
  }
}

}  // namespace

void drawGlyph(const GlyphKey& key, const PixelRect& clip, CoverageSink& sink) {
  Cache& glyphs = cache();
  auto found = glyphs.images.find(key);
  if (found == glyphs.images.end()) {
    ++glyphs.rasterized;
    const FT_Outline* outline = loadOutline(key);
    GlyphImage image;
    if (outline) image.box = outlineBox(*outline);
    const std::int64_t area =
        image.box.empty() ? 0 : (image.box.x1 - image.box.x0) * (image.box.y1 - image.box.y0);
    const std::size_t cost = static_cast<std::size_t>(area) + kEntryOverhead;
    if (area > kMaxCachedArea || glyphs.bytes + cost > kMaxCacheBytes) {
      if (outline) rasterize(*outline, clip.intersect(image.box), sink);
      return;
    }
    if (area > 0) {
      image.coverage.assign(static_cast<std::size_t>(area), 0);
      ImageWriter writer(image);
      rasterize(*outline, image.box, writer);
    }
    glyphs.bytes += cost;
    found = glyphs.images.emplace(key, std::move(image)).first;
  }
  replay(found->second, clip, sink);
}

}  // namespace glstandin::detail

namespace glstandin {

GlyphCacheStats glyphCacheStats() {
  const std::lock_guard lock(detail::textMutex());
  const auto& glyphs = detail::cache();
  return {static_cast<long>(glyphs.images.size()), glyphs.rasterized};
}

}  // namespace glstandin
