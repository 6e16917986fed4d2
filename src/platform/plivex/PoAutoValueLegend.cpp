// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoAutoValueLegend.h"

SO_NODE_SOURCE(PoAutoValueLegend)

void PoAutoValueLegend::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(PoAutoValueLegend, "PoAutoValueLegend");
}

PoAutoValueLegend::PoAutoValueLegend() {
  SO_NODE_CONSTRUCTOR(PoAutoValueLegend);
  SO_NODE_ADD_FIELD(start, (0.0f, 0.0f));
  SO_NODE_ADD_FIELD(end, (1.0f, 1.0f));
}

bool PoAutoValueLegend::getCorners(SbVec2f& corner, SbVec2f& oppositeCorner) const {
  corner = start.getValue();
  oppositeCorner = end.getValue();
  return true;
}
