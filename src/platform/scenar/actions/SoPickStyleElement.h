// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoScalarElement.h"

// How the shapes that follow are picked: by their geometry, by their bounding
// box, or not at all.
class SoPickStyleElement : public SoScalarElementOf<SoPickStyleElement, int> {
 public:
  static constexpr const char* kClassName = "SoPickStyleElement";
  enum Style { SHAPE = 0, BOUNDING_BOX = 1, UNPICKABLE = 2 };
  static constexpr int kInitial = SHAPE;
};
