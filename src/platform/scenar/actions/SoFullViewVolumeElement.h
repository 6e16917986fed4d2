#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbViewVolume.h"

namespace scenar::detail {
struct FullViewVolumeValue {
  SbViewVolume volume;
  bool isSet = false;
};
}  // namespace scenar::detail

// The current camera's view volume before it is narrowed to the portion of
// the picture a traversal draws: what a render maps onto the whole picture's
// pixels, the same for every tile. Unset until a camera is traversed.
class SoFullViewVolumeElement
    : public SoValueElementOf<SoFullViewVolumeElement, scenar::detail::FullViewVolumeValue> {
 public:
  static constexpr const char* kClassName = "SoFullViewVolumeElement";

  static void set(SoState* state, const SbViewVolume& volume) {
    if (auto* element = getWritable(state)) element->value_ = {volume, true};
  }
  static const scenar::detail::FullViewVolumeValue& get(SoState* state) { return getValue(state); }
};
