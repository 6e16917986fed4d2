#include "platform/plivex/PoNonLinearValueLegend1.h"

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
