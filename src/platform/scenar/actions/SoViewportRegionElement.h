// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbViewportRegion.h"

namespace scenar::detail {
struct ViewportRegionValue {
  SbViewportRegion region;
  SbBool sendToGL = FALSE;
};
}  // namespace scenar::detail

// The viewport region the traversal draws into, and whether the setter asked
// for it to be sent to GL.
class SoViewportRegionElement
    : public SoValueElementOf<SoViewportRegionElement, scenar::detail::ViewportRegionValue> {
 public:
  static constexpr const char* kClassName = "SoViewportRegionElement";

  static void set(SoState* state, const SbViewportRegion& region, SbBool sendToGL = 1) {
    if (auto* element = getWritable(state)) element->value_ = {region, sendToGL};
  }
  // A default region when the state does not hold the element.
  static const SbViewportRegion& get(SoState* state) { return getValue(state).region; }
  static SbBool getSendToGL(SoState* state) { return getValue(state).sendToGL; }
};
