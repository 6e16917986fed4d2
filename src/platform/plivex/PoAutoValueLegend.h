// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoValueLegend.h"
#include "platform/scenar/fields/SoSFields.h"

// A value legend whose values are laid out by themselves between two
// corners. Not creatable.
class PoAutoValueLegend : public PoValueLegend {
  SO_NODE_HEADER(PoAutoValueLegend, PoValueLegend);

 public:
  SoSFVec2f start;  // one corner of the legend
  SoSFVec2f end;    // the opposite corner

 protected:
  PoAutoValueLegend();
  ~PoAutoValueLegend() override = default;
  bool getCorners(SbVec2f& corner, SbVec2f& oppositeCorner) const override;
};
