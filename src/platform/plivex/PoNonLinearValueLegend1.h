// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoAutoValueLegend.h"
#include "platform/scenar/fields/SoSFields.h"

// A value legend of unevenly spread values, each shown as the interval
// between two levels, with texts for the first and last intervals.
class PoNonLinearValueLegend1 : public PoAutoValueLegend {
  SO_NODE_HEADER(PoNonLinearValueLegend1, PoAutoValueLegend);

 public:
  SoSFString lessLevelString;       // before the first level
  SoSFString greaterLevelString;    // after the last level
  SoSFString valueSeparatorString;  // between the two levels of an interval

  PoNonLinearValueLegend1();

 protected:
  ~PoNonLinearValueLegend1() override = default;
  void appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                        const plivex::detail::ValueSelection& selection) const override;
};
