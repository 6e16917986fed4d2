#include "platform/plivex/PoLinearValueLegend.h"

#include "platform/plivex/PoLegendEnums.h"

SO_NODE_SOURCE(PoLinearValueLegend)

void PoLinearValueLegend::initClass() {
  SO_NODE_INIT_CLASS(PoLinearValueLegend, "PoLinearValueLegend");
}

PoLinearValueLegend::PoLinearValueLegend() {
  SO_NODE_CONSTRUCTOR(PoLinearValueLegend);
  PO_NODE_ADD_ENUM_FIELD(valueDistribution, plivex::kValueDistribution, "ALL_VALUES");
}
