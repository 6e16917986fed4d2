#pragma once

#include "platform/plivex/PoAutoValueLegend.h"

// A value legend of unevenly spread values, in the second non-linear layout;
// it has no fields of its own.
class PoNonLinearValueLegend2 : public PoAutoValueLegend {
  SO_NODE_HEADER(PoNonLinearValueLegend2, PoAutoValueLegend);

 public:
  PoNonLinearValueLegend2();

 protected:
  ~PoNonLinearValueLegend2() override = default;
};
