// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoLegend.h"

#include <cstdint>
#include <iterator>

#include "platform/plivex/PoLegendEnums.h"
#include "platform/plivex/detail/LegendLayout.h"

SO_NODE_SOURCE(PoLegend)

using namespace plivex;

namespace {

// The field's value as E, numbered as in the value table; fallback when out of it.
template <typename E, std::size_t N>
E enumOf(const SoSFEnum& field, const SoEnumEntry (&)[N], E fallback) {
  const int32_t value = field.getValue();
  return value >= 0 && value < static_cast<int32_t>(N) ? static_cast<E>(value) : fallback;
}

}  // namespace

void PoLegend::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoLegend, "PoLegend"); }

PoLegend::PoLegend() {
  SO_NODE_CONSTRUCTOR(PoLegend);
  PO_NODE_ADD_ENUM_FIELD(titleVisibility, kLegendVisibility, "ON");
  PO_NODE_ADD_ENUM_FIELD(titlePosition, kLegendPosition, "TOP");
  PO_NODE_ADD_ENUM_FIELD(titlePath, kLegendTextPath, "RIGHT");
  SO_NODE_ADD_FIELD(titleFontSize, (0.05f));
  SO_NODE_ADD_FIELD(titleFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(titleString, (""));
  PO_NODE_ADD_ENUM_FIELD(valueVisibility, kLegendVisibility, "ON");
  PO_NODE_ADD_ENUM_FIELD(valuePosition, kLegendPosition, "RIGHT");
  SO_NODE_ADD_FIELD(valueFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(valueAddStringVisibility, (FALSE));
  SO_NODE_ADD_FIELD(valueAddString, (""));
  PO_NODE_ADD_ENUM_FIELD(marginType, kMarginType, "RELATIVE");
  SO_NODE_ADD_FIELD(marginLeft, (0.05f));
  SO_NODE_ADD_FIELD(marginRight, (0.05f));
  SO_NODE_ADD_FIELD(marginBottom, (0.05f));
  SO_NODE_ADD_FIELD(marginTop, (0.05f));
  PO_NODE_ADD_ENUM_FIELD(incrementType, kIncrementType, "VERTICAL");
  SO_NODE_ADD_FIELD(numColumns, (uint16_t{1}));
  SO_NODE_ADD_FIELD(boxRatio, (1.0f));
}

PoLegend::~PoLegend() = default;

bool PoLegend::getCorners(SbVec2f&, SbVec2f&) const { return false; }

void PoLegend::appendEntries(std::vector<detail::LegendEntry>&) const {}

SoNode* PoLegend::buildGeometry() {
  detail::LegendSettings settings;
  if (!getCorners(settings.corner, settings.oppositeCorner)) return nullptr;
  // A text whose font field names none takes the attribute's font.
  auto fontOf = [this](const SoSFString& name) {
    if (!name.getValue().isEmpty()) return name.getValue();
    const SbString& fallback = miscTextAttr_.getFontName();
    return fallback.isEmpty() ? SbString("defaultFont") : fallback;
  };
  settings.fixedMargins = marginType.getValue() == 1;
  settings.marginLeft = marginLeft.getValue();
  settings.marginRight = marginRight.getValue();
  settings.marginBottom = marginBottom.getValue();
  settings.marginTop = marginTop.getValue();
  settings.titleVisible = titleVisibility.getValue() == 1;
  settings.titlePosition = enumOf(titlePosition, kLegendPosition, detail::Side::Top);
  settings.titlePath = enumOf(titlePath, kLegendTextPath, detail::TextPath::Right);
  settings.titleStyle = {fontOf(titleFontName), titleFontSize.getValue()};
  settings.title = titleString.getValue().str();
  settings.valuesVisible = valueVisibility.getValue() == 1;
  settings.valuePosition = enumOf(valuePosition, kLegendPosition, detail::Side::Right);
  settings.valueFontName = fontOf(valueFontName);
  if (valueAddStringVisibility.getValue()) settings.addString = valueAddString.getValue().str();
  settings.horizontal = incrementType.getValue() == 1;
  settings.columns = numColumns.getValue();
  settings.boxRatio = boxRatio.getValue();
  std::vector<detail::LegendEntry> entries;
  appendEntries(entries);
  return detail::drawLegend(settings, entries);
}
