// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoAutoValueLegend.h"

// A value legend of unevenly spread values, in the second non-linear layout:
// a box per interval between two levels, the levels written on the boxes'
// boundaries. It has no fields of its own.
class PoNonLinearValueLegend2 : public PoAutoValueLegend {
  SO_NODE_HEADER(PoNonLinearValueLegend2, PoAutoValueLegend);

 public:
  PoNonLinearValueLegend2();

 protected:
  ~PoNonLinearValueLegend2() override = default;
  void appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                        const plivex::detail::ValueSelection& selection) const override;
};
