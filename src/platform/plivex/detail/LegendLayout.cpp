// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/LegendLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/plivex/detail/LegendSymbols.h"
#include "platform/plivex/detail/PointRuns.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoMaterial.h"

namespace plivex::detail {

namespace {

// The angle of the title's base line, by titlePath.
constexpr float kPathAngles[] = {0, std::numbers::pi_v<float>, std::numbers::pi_v<float> / 2,
                                 -std::numbers::pi_v<float> / 2};

struct Rect {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  float width() const { return x1 - x0; }
  float height() const { return y1 - y0; }
  float midX() const { return x0 + width() / 2; }
  float midY() const { return y0 + height() / 2; }
  // Whether it has room, with finite sides.
  bool holds() const {
    return width() > 0 && height() > 0 && std::isfinite(width()) && std::isfinite(height());
  }
};

bool isSideways(Side side) { return side == Side::Left || side == Side::Right; }

// v in [low, high]; fallback when it is no number.
float clampOr(float v, float low, float high, float fallback) {
  return std::isnan(v) ? fallback : std::clamp(v, low, high);
}

// The legend's rectangle inside its margins; nothing when no room is left.
std::optional<Rect> innerRect(const LegendSettings& s) {
  const Rect whole{
      std::min(s.corner[0], s.oppositeCorner[0]), std::min(s.corner[1], s.oppositeCorner[1]),
      std::max(s.corner[0], s.oppositeCorner[0]), std::max(s.corner[1], s.oppositeCorner[1])};
  if (!whole.holds()) return std::nullopt;
  const float scaleX = s.fixedMargins ? 1 : whole.width();
  const float scaleY = s.fixedMargins ? 1 : whole.height();
  auto margin = [](float v, float scale) { return clampOr(v, 0, 1e30f, 0) * scale; };
  const Rect inner{
      whole.x0 + margin(s.marginLeft, scaleX), whole.y0 + margin(s.marginBottom, scaleY),
      whole.x1 - margin(s.marginRight, scaleX), whole.y1 - margin(s.marginTop, scaleY)};
  if (!inner.holds()) return std::nullopt;
  return inner;
}

// The title, centred in a band cut off room's side, at most half of room.
SoNode* titleNode(const LegendSettings& s, Rect& room) {
  TextStyle style = s.titleStyle;
  if (!s.titleVisible || s.title.empty() || !(style.size > 0)) return nullptr;
  style.size = std::min(style.size, std::max(room.width(), room.height()));
  const bool upright = s.titlePath == TextPath::Right || s.titlePath == TextPath::Left;
  const bool sideways = isSideways(s.titlePosition);
  const float extent =
      upright != sideways ? textAscent(style) + textDescent(style) : textWidth(style, s.title);
  const float band =
      std::min(extent + style.size / 4, (sideways ? room.width() : room.height()) / 2);
  SbVec3f at(room.midX(), room.midY(), 0);
  switch (s.titlePosition) {
    case Side::Bottom:
      at[1] = room.y0 + band / 2;
      room.y0 += band;
      break;
    case Side::Top:
      at[1] = room.y1 - band / 2;
      room.y1 -= band;
      break;
    case Side::Right:
      at[0] = room.x1 - band / 2;
      room.x1 -= band;
      break;
    case Side::Left:
      at[0] = room.x0 + band / 2;
      room.x0 += band;
      break;
  }
  return textNode(at, kPathAngles[static_cast<int>(s.titlePath)], style, s.title, HAlign::Center,
                  VAlign::Middle);
}

// The text of one of an entry's labels, with the legend's added string.
std::string textOf(const std::string& label, const LegendEntry& entry, const LegendSettings& s) {
  return label.empty() || !entry.takesAddString ? label : label + s.addString;
}

// Calls fn with each of an entry's texts and where it goes along its box's
// labelled side, from the first end (0) to the second (1).
template <typename Fn>
void forEachText(const LegendEntry& entry, const LegendSettings& s, Fn fn) {
  fn(textOf(entry.label, entry, s), 0.5f);
  fn(textOf(entry.firstEnd, entry, s), 0.0f);
  fn(textOf(entry.secondEnd, entry, s), 1.0f);
}

// Where a label goes beside box on side, gap away: along runs from the side's
// first end (0: top or left) to its second (1).
SoNode* labelNode(const Rect& box, Side side, float along, float gap, const TextStyle& style,
                  const std::string& text) {
  const float y = box.y1 - along * box.height();
  const float x = box.x0 + along * box.width();
  switch (side) {
    case Side::Right:
      return textNode({box.x1 + gap, y, 0}, 0, style, text, HAlign::Left, VAlign::Middle);
    case Side::Left:
      return textNode({box.x0 - gap, y, 0}, 0, style, text, HAlign::Right, VAlign::Middle);
    case Side::Top:
      return textNode({x, box.y1 + gap, 0}, 0, style, text, HAlign::Center, VAlign::Bottom);
    case Side::Bottom:
      break;
  }
  return textNode({x, box.y0 - gap, 0}, 0, style, text, HAlign::Center, VAlign::Top);
}

// Segments (pairs of ends) and quadrilaterals (four corners each) drawn
// together.
struct Shapes {
  std::vector<SbVec3f> segments;
  std::vector<SbVec3f> quads;
};

// A separator drawing shapes, in color when given, else in the colour in force.
SoNode* shapesNode(const Shapes& shapes, const std::optional<SbColor>& color) {
  auto* part = new SoSeparator;
  if (color) {
    auto* material = new SoMaterial;
    material->diffuseColor.setValue(*color);
    part->addChild(material);
  }
  addRuns<SoFaceSet>(part, shapes.quads, 4);
  addRuns<SoLineSet>(part, shapes.segments, 2);
  return part;
}

void appendQuad(std::vector<SbVec3f>& corners, const Rect& r) {
  corners.insert(corners.end(),
                 {{r.x0, r.y0, 0}, {r.x1, r.y0, 0}, {r.x1, r.y1, 0}, {r.x0, r.y1, 0}});
}

void appendFrame(std::vector<SbVec3f>& segments, const Rect& r) {
  const SbVec3f corners[] = {{r.x0, r.y0, 0}, {r.x1, r.y0, 0}, {r.x1, r.y1, 0}, {r.x0, r.y1, 0}};
  for (int i = 0; i < 4; ++i) segments.insert(segments.end(), {corners[i], corners[(i + 1) % 4]});
}

// The line across the box's middle, as a hair line, and as a band of its
// thickness when it has one.
SoNode* lineNode(const Rect& box, const EntryLine& line) {
  const float half = clampOr(line.thickness, 0, 1, 0) * box.height() / 2;
  Shapes shapes;
  for (const SbVec2f& stretch : linePattern(line.pattern)) {
    const Rect part{box.x0 + stretch[0] * box.width(), box.midY() - half,
                    box.x0 + stretch[1] * box.width(), box.midY() + half};
    shapes.segments.insert(shapes.segments.end(),
                           {{part.x0, part.midY(), 0}, {part.x1, part.midY(), 0}});
    if (half > 0) appendQuad(shapes.quads, part);
  }
  return shapesNode(shapes, line.color);
}

SoNode* markerNode(const Rect& box, const EntryMarker& marker) {
  const float size = clampOr(marker.size, 0, 1, 0) * std::min(box.width(), box.height());
  if (!(size > 0)) return nullptr;
  Shapes shapes;
  for (const SbVec2f& end : markerSegments(marker.shape))
    shapes.segments.emplace_back(box.midX() + end[0] * size, box.midY() + end[1] * size, 0);
  return shapesNode(shapes, marker.color);
}

// The grid of cells the boxes go in, and what each cell keeps for its box.
struct Grid {
  Rect room;
  int count = 0;
  int columns = 1;
  int rows = 1;
  bool horizontal = false;
  float labelRoom = 0;  // taken off each cell on the labels' side
  float pad = 0;        // around each box

  Rect cell(int index) const {
    const int column = horizontal ? index % columns : index / rows;
    const int row = horizontal ? index / columns : index % rows;
    const float width = room.width() / columns;
    const float height = room.height() / rows;
    return {room.x0 + column * width, room.y1 - (row + 1) * height, room.x0 + (column + 1) * width,
            room.y1 - row * height};
  }
};

// The box in a cell: as wide as ratio says, as large as the cell holds
// beside the labels, against them.
Rect boxIn(const Rect& cell, const Grid& grid, const LegendSettings& s, float ratio) {
  Rect region{cell.x0 + grid.pad, cell.y0 + grid.pad, cell.x1 - grid.pad, cell.y1 - grid.pad};
  const bool labels = s.valuesVisible;
  if (labels && s.valuePosition == Side::Right) region.x1 -= grid.labelRoom;
  if (labels && s.valuePosition == Side::Left) region.x0 += grid.labelRoom;
  if (labels && s.valuePosition == Side::Top) region.y1 -= grid.labelRoom;
  if (labels && s.valuePosition == Side::Bottom) region.y0 += grid.labelRoom;
  if (!region.holds()) return {cell.midX(), cell.midY(), cell.midX(), cell.midY()};
  const float width = std::min(region.width(), region.height() * ratio);
  const float height = std::min(region.height(), width / ratio);
  float x = region.midX() - width / 2;
  float y = region.midY() - height / 2;
  if (labels && s.valuePosition == Side::Right) x = region.x0;
  if (labels && s.valuePosition == Side::Left) x = region.x1 - width;
  if (labels && s.valuePosition == Side::Top) y = region.y0;
  if (labels && s.valuePosition == Side::Bottom) y = region.y1 - height;
  return {x, y, x + width, y + height};
}

// The boxes' texts: 0.6 of a row high, smaller when the widest would not fit
// its part of a cell (60 % of its width beside a box, 90 % above or below);
// and the room they take off each cell, their width or a line's height.
TextStyle fitLabels(const LegendSettings& s, const std::vector<LegendEntry>& entries, Grid& grid) {
  TextStyle style{s.valueFontName, 1};
  if (!s.valuesVisible) return style;
  float widest = 0;
  for (int i = 0; i < grid.count; ++i) {
    const LegendEntry& entry = entries[static_cast<std::size_t>(i)];
    forEachText(entry, s, [&](const std::string& text, float) {
      widest = std::max(widest, textWidth(style, text));
    });
  }
  const bool beside = isSideways(s.valuePosition);
  const float fit = (beside ? 0.6f : 0.9f) * grid.room.width() / grid.columns;
  style.size = 0.6f * grid.room.height() / grid.rows;
  if (widest > 0) style.size = std::min(style.size, fit / widest);
  const float gap = style.size / 4;
  grid.labelRoom =
      beside ? widest * style.size + gap : textAscent(style) + textDescent(style) + gap;
  return style;
}

void drawEntries(const LegendSettings& s, const std::vector<LegendEntry>& entries, const Rect& room,
                 SoGroup* legend) {
  Grid grid{.room = room, .horizontal = s.horizontal};
  grid.count = static_cast<int>(std::min<std::size_t>(entries.size(), kMaxLegendEntries));
  if (grid.count == 0) return;
  grid.columns = std::clamp(s.columns, 1, grid.count);
  grid.rows = (grid.count + grid.columns - 1) / grid.columns;
  const float rowHeight = room.height() / grid.rows;
  grid.pad = std::min(room.width() / grid.columns, rowHeight) / 20;
  const TextStyle style = fitLabels(s, entries, grid);
  const float ratio = clampOr(s.boxRatio > 0 ? s.boxRatio : 1, 0.01f, 100, 1);

  Shapes frames;
  auto* labels = new SoSeparator;
  for (int i = 0; i < grid.count; ++i) {
    const LegendEntry& entry = entries[static_cast<std::size_t>(i)];
    const Rect box = boxIn(grid.cell(i), grid, s, ratio);
    if (entry.fill) {
      Shapes fill;
      appendQuad(fill.quads, box);
      legend->addChild(shapesNode(fill, entry.fill));
      appendFrame(frames.segments, box);
    }
    if (entry.line) legend->addChild(lineNode(box, *entry.line));
    if (entry.marker) legend->addChild(markerNode(box, *entry.marker));
    if (!s.valuesVisible) continue;
    const float gap = style.size / 4;
    forEachText(entry, s, [&](const std::string& text, float along) {
      labels->addChild(labelNode(box, s.valuePosition, along, gap, style, text));
    });
  }
  legend->addChild(shapesNode(frames, std::nullopt));
  legend->addChild(labels);
}

}  // namespace

SoNode* drawLegend(const LegendSettings& settings, const std::vector<LegendEntry>& entries) {
  std::optional<Rect> room = innerRect(settings);
  if (!room) return nullptr;
  auto* legend = new SoSeparator;
  legend->addChild(titleNode(settings, *room));
  drawEntries(settings, entries, *room, legend);
  return legend;
}

}  // namespace plivex::detail
