// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoItemLegend.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/plivex/detail/LegendLayout.h"

SO_NODE_SOURCE(PoItemLegend)

namespace {

// The box colours of items whose boxColor list is empty, taken in turn;
// lines and markers take them at half their brightness.
constexpr SbColor kPalette[] = {{0.12f, 0.47f, 0.71f}, {1.0f, 0.5f, 0.05f},  {0.17f, 0.63f, 0.17f},
                                {0.84f, 0.15f, 0.16f}, {0.58f, 0.4f, 0.74f}, {0.55f, 0.34f, 0.29f},
                                {0.89f, 0.47f, 0.76f}, {0.5f, 0.5f, 0.5f}};
constexpr int kPaletteSize = static_cast<int>(std::size(kPalette));
constexpr float kMarkerSize = 0.6f;  // of the box, when markerFloatValue is empty

// The index-th value of a per-item list: its last one past its end, fallback
// when it is empty.
template <typename Field>
typename Field::ValueType valueAt(const Field& list, int index,
                                  const typename Field::ValueType& fallback) {
  if (list.getNum() == 0) return fallback;
  return list[std::min(index, list.getNum() - 1)];
}

// Components in [0, 1], those that are no numbers 0.
SbColor usable(const SbColor& color) {
  auto component = [](float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); };
  return {component(color[0]), component(color[1]), component(color[2])};
}

SbColor darker(const SbColor& color) { return {color[0] / 2, color[1] / 2, color[2] / 2}; }

}  // namespace

void PoItemLegend::initClass() { SO_NODE_INIT_CLASS(PoItemLegend, "PoItemLegend"); }

// The lists start empty: an item legend lists nothing until given items.
PoItemLegend::PoItemLegend() {
  SO_NODE_CONSTRUCTOR(PoItemLegend);
  SO_NODE_ADD_FIELD(start, (0.0f, 0.0f));
  SO_NODE_ADD_FIELD(end, (1.0f, 1.0f));
  SO_NODE_ADD_EMPTY_FIELD(itemString);
  SO_NODE_ADD_FIELD(boxVisibility, (TRUE));
  SO_NODE_ADD_EMPTY_FIELD(boxColor);
  SO_NODE_ADD_FIELD(lineVisibility, (FALSE));
  SO_NODE_ADD_EMPTY_FIELD(lineColor);
  SO_NODE_ADD_EMPTY_FIELD(lineFloatValue);
  SO_NODE_ADD_EMPTY_FIELD(lineShortValue);
  SO_NODE_ADD_FIELD(markerVisibility, (FALSE));
  SO_NODE_ADD_EMPTY_FIELD(markerColor);
  SO_NODE_ADD_EMPTY_FIELD(markerFloatValue);
  SO_NODE_ADD_EMPTY_FIELD(markerString);
}

bool PoItemLegend::getCorners(SbVec2f& corner, SbVec2f& oppositeCorner) const {
  corner = start.getValue();
  oppositeCorner = end.getValue();
  return true;
}

void PoItemLegend::appendEntries(std::vector<plivex::detail::LegendEntry>& entries) const {
  const int count = std::min(itemString.getNum(), plivex::detail::kMaxLegendEntries);
  for (int i = 0; i < count; ++i) {
    const SbColor own = kPalette[i % kPaletteSize];
    plivex::detail::LegendEntry& entry = entries.emplace_back();
    if (boxVisibility.getValue()) entry.fill = usable(valueAt(boxColor, i, own));
    if (lineVisibility.getValue())
      entry.line = {usable(valueAt(lineColor, i, darker(own))), valueAt(lineShortValue, i, {}),
                    valueAt(lineFloatValue, i, 0.0f)};
    if (markerVisibility.getValue())
      entry.marker = {usable(valueAt(markerColor, i, darker(own))),
                      valueAt(markerString, i, SbString("+")).str(),
                      valueAt(markerFloatValue, i, kMarkerSize)};
    entry.label = itemString[i].str();
  }
}
