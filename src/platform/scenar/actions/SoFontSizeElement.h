// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoScalarElement.h"

// The height of an em of the texts that follow, in their own coordinates.
class SoFontSizeElement : public SoScalarElementOf<SoFontSizeElement, float> {
 public:
  static constexpr const char* kClassName = "SoFontSizeElement";
  static constexpr float kInitial = 10.0f;
};
