#include "platform/plivex/PoValueLegend.h"

#include <cstdint>

SO_NODE_SOURCE(PoValueLegend)

void PoValueLegend::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoValueLegend, "PoValueLegend"); }

PoValueLegend::PoValueLegend() {
  SO_NODE_CONSTRUCTOR(PoValueLegend);
  SO_NODE_ADD_FIELD(stringUndefUpper, ("UNDEF <"));
  SO_NODE_ADD_FIELD(stringUndefLower, ("UNDEF >"));
  SO_NODE_ADD_FIELD(periodValue, (uint16_t{1}));
  SO_NODE_ADD_FIELD(firstValue, (uint16_t{1}));
  SO_NODE_ADD_FIELD(lastValue, (uint16_t{1}));
}
