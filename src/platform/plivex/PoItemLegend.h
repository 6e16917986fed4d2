// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/plivex/PoLegend.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"

// A legend that lists items between two corners, each item drawn with a box,
// a line and a marker in colours of its own, and a text. There is an item
// per itemString value; a shorter list of another field repeats its last
// value, an empty one takes a default (README.md).
class PoItemLegend : public PoLegend {
  SO_NODE_HEADER(PoItemLegend, PoLegend);

 public:
  SoSFVec2f start;  // one corner of the legend
  SoSFVec2f end;    // the opposite corner
  SoMFString itemString;
  SoSFBool boxVisibility;
  SoMFColor boxColor;
  SoSFBool lineVisibility;
  SoMFColor lineColor;
  SoMFFloat lineFloatValue;
  SoMFUShort lineShortValue;
  SoSFBool markerVisibility;
  SoMFColor markerColor;
  SoMFFloat markerFloatValue;
  SoMFString markerString;

  PoItemLegend();

 protected:
  ~PoItemLegend() override = default;
  bool getCorners(SbVec2f& corner, SbVec2f& oppositeCorner) const override;
  void appendEntries(std::vector<plivex::detail::LegendEntry>& entries) const override;
};
