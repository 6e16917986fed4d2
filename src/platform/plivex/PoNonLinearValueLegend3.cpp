#include "platform/plivex/PoNonLinearValueLegend3.h"

SO_NODE_SOURCE(PoNonLinearValueLegend3)

void PoNonLinearValueLegend3::initClass() {
  SO_NODE_INIT_CLASS(PoNonLinearValueLegend3, "PoNonLinearValueLegend3");
}

PoNonLinearValueLegend3::PoNonLinearValueLegend3() { SO_NODE_CONSTRUCTOR(PoNonLinearValueLegend3); }
