// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoLegend.h"
#include "platform/scenar/fields/SoSFields.h"

namespace plivex::detail {
struct ValueBox;
struct ValueSelection;
}  // namespace plivex::detail

// A legend of the values of a colour mapping: which of them it shows, and the
// texts of the values below and above the mapping. Not creatable.
//
// The stand-in has no colour mapping: each kind shows a default one
// (detail/ValueRamp.h), a box per value, highest first when the boxes go
// column after column and lowest first when they go row after row, between
// grey boxes for the undefined values when their texts are not empty.
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

  void appendEntries(std::vector<plivex::detail::LegendEntry>& entries) const override;
  // Appends the kind's boxes, lowest value first, as selection keeps them.
  virtual void appendValueBoxes(std::vector<plivex::detail::ValueBox>& boxes,
                                const plivex::detail::ValueSelection& selection) const = 0;
};
