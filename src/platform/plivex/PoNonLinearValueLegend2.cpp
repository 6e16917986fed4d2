// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoNonLinearValueLegend2.h"

#include "platform/plivex/detail/ValueRamp.h"

SO_NODE_SOURCE(PoNonLinearValueLegend2)

void PoNonLinearValueLegend2::initClass() {
  SO_NODE_INIT_CLASS(PoNonLinearValueLegend2, "PoNonLinearValueLegend2");
}

PoNonLinearValueLegend2::PoNonLinearValueLegend2() { SO_NODE_CONSTRUCTOR(PoNonLinearValueLegend2); }

void PoNonLinearValueLegend2::appendValueBoxes(
    std::vector<plivex::detail::ValueBox>& boxes,
    const plivex::detail::ValueSelection& selection) const {
  boxes = plivex::detail::boundaryValueBoxes(selection);
}
