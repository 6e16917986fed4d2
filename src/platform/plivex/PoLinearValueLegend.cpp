// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoLinearValueLegend.h"

#include "platform/plivex/PoLegendEnums.h"
#include "platform/plivex/detail/ValueRamp.h"

SO_NODE_SOURCE(PoLinearValueLegend)

void PoLinearValueLegend::initClass() {
  SO_NODE_INIT_CLASS(PoLinearValueLegend, "PoLinearValueLegend");
}

PoLinearValueLegend::PoLinearValueLegend() {
  SO_NODE_CONSTRUCTOR(PoLinearValueLegend);
  PO_NODE_ADD_ENUM_FIELD(valueDistribution, plivex::kValueDistribution, "ALL_VALUES");
}

void PoLinearValueLegend::appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                                           const plivex::detail::ValueSelection& selection) const {
  boxes = plivex::detail::linearValueBoxes(valueDistribution.getValue(), selection);
}
