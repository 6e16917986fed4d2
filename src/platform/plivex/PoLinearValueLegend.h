// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoAutoValueLegend.h"
#include "platform/scenar/fields/SoSFields.h"

// A value legend of values spread evenly between its corners.
class PoLinearValueLegend : public PoAutoValueLegend {
  SO_NODE_HEADER(PoLinearValueLegend, PoAutoValueLegend);

 public:
  SoSFEnum valueDistribution;  // ALL_VALUES, LINEAR_VALUES, MIN_MAX_VALUES

  PoLinearValueLegend();

 protected:
  ~PoLinearValueLegend() override = default;
  void appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                        const plivex::detail::ValueSelection& selection) const override;
};
