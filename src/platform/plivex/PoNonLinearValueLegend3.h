// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoAutoValueLegend.h"

// A value legend of unevenly spread values, in the third non-linear layout: a
// box per level, the level written beside it. It has no fields of its own.
class PoNonLinearValueLegend3 : public PoAutoValueLegend {
  SO_NODE_HEADER(PoNonLinearValueLegend3, PoAutoValueLegend);

 public:
  PoNonLinearValueLegend3();

 protected:
  ~PoNonLinearValueLegend3() override = default;
  void appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                        const plivex::detail::ValueSelection& selection) const override;
};
