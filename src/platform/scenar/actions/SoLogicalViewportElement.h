// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// The viewport of the whole logical image when the traversal draws one tile of
// it; the viewport region itself otherwise. Actions set it at the start of
// each traversal.
class SoLogicalViewportElement
    : public SoValueElementOf<SoLogicalViewportElement, SbViewportRegion> {
 public:
  static constexpr const char* kClassName = "SoLogicalViewportElement";

  static void set(SoState* state, const SbViewportRegion& region) {
    if (auto* element = getWritable(state)) element->value_ = region;
  }
  // A default region when the state does not hold the element.
  static const SbViewportRegion& get(SoState* state) { return getValue(state); }
};
