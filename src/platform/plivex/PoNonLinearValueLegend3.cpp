// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoNonLinearValueLegend3.h"

#include "platform/plivex/detail/ValueRamp.h"

SO_NODE_SOURCE(PoNonLinearValueLegend3)

void PoNonLinearValueLegend3::initClass() {
  SO_NODE_INIT_CLASS(PoNonLinearValueLegend3, "PoNonLinearValueLegend3");
}

PoNonLinearValueLegend3::PoNonLinearValueLegend3() { SO_NODE_CONSTRUCTOR(PoNonLinearValueLegend3); }

void PoNonLinearValueLegend3::appendValueBoxes(
    std::vector<plivex::detail::ValueBox>& boxes,
    const plivex::detail::ValueSelection& selection) const {
  boxes = plivex::detail::levelValueBoxes(selection);
}
