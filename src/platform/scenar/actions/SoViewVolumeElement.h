// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbViewVolume.h"

// The view volume of the current camera, in world coordinates; the default
// volume until a camera is traversed.
class SoViewVolumeElement : public SoValueElementOf<SoViewVolumeElement, SbViewVolume> {
 public:
  static constexpr const char* kClassName = "SoViewVolumeElement";

  static void set(SoState* state, const SbViewVolume& volume) {
    if (auto* element = getWritable(state)) element->value_ = volume;
  }
  static const SbViewVolume& get(SoState* state) { return getValue(state); }
};
