#pragma once

#include "platform/plivex/PoLegend.h"
#include "platform/scenar/fields/SoSFields.h"

// A legend of the values of a colour mapping: which of them it shows, and the
// texts of the values below and above the mapping. Not creatable.
class PoValueLegend : public PoLegend {
  SO_NODE_HEADER(PoValueLegend, PoLegend);

 public:
  SoSFString stringUndefUpper;
  SoSFString stringUndefLower;
  SoSFUShort periodValue;  // every periodValue-th value is shown
  SoSFUShort firstValue;
  SoSFUShort lastValue;

 protected:
  PoValueLegend();
  ~PoValueLegend() override = default;
};
