// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoScalarElement.h"

// How clear the shapes that follow are, from 0 (opaque) to 1 (clear): the
// first transparency of the last material met.
class SoTransparencyElement : public SoScalarElementOf<SoTransparencyElement, float> {
 public:
  static constexpr const char* kClassName = "SoTransparencyElement";
  static constexpr float kInitial = 0.0f;
};
