// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoValueLegend.h"

#include <algorithm>
#include <cstdint>

#include "platform/plivex/detail/LegendLayout.h"
#include "platform/plivex/detail/ValueRamp.h"

SO_NODE_SOURCE(PoValueLegend)

namespace {

constexpr SbColor kUndefinedColor(0.6f, 0.6f, 0.6f);

}  // namespace

void PoValueLegend::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoValueLegend, "PoValueLegend"); }

PoValueLegend::PoValueLegend() {
  SO_NODE_CONSTRUCTOR(PoValueLegend);
  SO_NODE_ADD_FIELD(stringUndefUpper, ("UNDEF <"));
  SO_NODE_ADD_FIELD(stringUndefLower, ("UNDEF >"));
  SO_NODE_ADD_FIELD(periodValue, (uint16_t{1}));
  SO_NODE_ADD_FIELD(firstValue, (uint16_t{1}));
  SO_NODE_ADD_FIELD(lastValue, (uint16_t{1}));
}

void PoValueLegend::appendEntries(std::vector<plivex::detail::LegendEntry>& entries) const {
  std::vector<plivex::detail::ValueBox> boxes;
  appendValueBoxes(boxes, {firstValue.getValue(), lastValue.getValue(), periodValue.getValue()});
  // Labels left or right of the boxes start at the top end, where the higher
  // values are; labels above or below at the left end, where the lower are.
  const bool upperFirst = valuePosition.getValue() != 0 && valuePosition.getValue() != 1;
  auto undefined = [&entries](const SoSFString& text) {
    if (text.getValue().isEmpty()) return;
    plivex::detail::LegendEntry& entry = entries.emplace_back();
    entry.fill = kUndefinedColor;
    entry.label = text.getValue().str();
    entry.takesAddString = false;
  };
  undefined(stringUndefLower);
  for (plivex::detail::ValueBox& box : boxes) {
    plivex::detail::LegendEntry& entry = entries.emplace_back();
    entry.fill = plivex::detail::rampColor(box.rampAt);
    entry.label = std::move(box.label);
    entry.firstEnd = std::move(upperFirst ? box.upperLabel : box.lowerLabel);
    entry.secondEnd = std::move(upperFirst ? box.lowerLabel : box.upperLabel);
  }
  undefined(stringUndefUpper);
  if (incrementType.getValue() != 1) std::reverse(entries.begin(), entries.end());
}
