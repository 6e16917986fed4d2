// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbViewVolume.h"

// The current camera's view volume before it is narrowed to the portion of
// the picture a traversal draws: what a render maps onto the whole picture's
// pixels, the same for every tile. Empty until a camera is traversed.
class SoFullViewVolumeElement
    : public SoValueElementOf<SoFullViewVolumeElement, std::optional<SbViewVolume>> {
 public:
  static constexpr const char* kClassName = "SoFullViewVolumeElement";

  static void set(SoState* state, const SbViewVolume& volume) {
    if (auto* element = getWritable(state)) element->value_ = volume;
  }
  static const std::optional<SbViewVolume>& get(SoState* state) { return getValue(state); }
};
