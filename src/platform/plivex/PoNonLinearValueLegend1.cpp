// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoNonLinearValueLegend1.h"

#include "platform/plivex/detail/ValueRamp.h"

SO_NODE_SOURCE(PoNonLinearValueLegend1)

void PoNonLinearValueLegend1::initClass() {
  SO_NODE_INIT_CLASS(PoNonLinearValueLegend1, "PoNonLinearValueLegend1");
}

PoNonLinearValueLegend1::PoNonLinearValueLegend1() {
  SO_NODE_CONSTRUCTOR(PoNonLinearValueLegend1);
  SO_NODE_ADD_FIELD(lessLevelString, ("<"));
  SO_NODE_ADD_FIELD(greaterLevelString, (">"));
  SO_NODE_ADD_FIELD(valueSeparatorString, (" - "));
}

void PoNonLinearValueLegend1::appendValueBoxes(
    std::vector<plivex::detail::ValueBox>& boxes,
    const plivex::detail::ValueSelection& selection) const {
  boxes = plivex::detail::intervalValueBoxes(lessLevelString.getValue().str(),
                                             greaterLevelString.getValue().str(),
                                             valueSeparatorString.getValue().str(), selection);
}
