#include "platform/plivex/PoNonLinearValueLegend2.h"

SO_NODE_SOURCE(PoNonLinearValueLegend2)

void PoNonLinearValueLegend2::initClass() {
  SO_NODE_INIT_CLASS(PoNonLinearValueLegend2, "PoNonLinearValueLegend2");
}

PoNonLinearValueLegend2::PoNonLinearValueLegend2() { SO_NODE_CONSTRUCTOR(PoNonLinearValueLegend2); }
