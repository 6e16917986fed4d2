// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoScalarElement.h"

// How the shapes that follow are lit: by the lights (PHONG) or in their
// diffuse colour alone (BASE_COLOR).
class SoLightModelElement : public SoScalarElementOf<SoLightModelElement, int> {
 public:
  static constexpr const char* kClassName = "SoLightModelElement";
  enum Model { BASE_COLOR = 0, PHONG = 1 };
  static constexpr int kInitial = PHONG;
};
