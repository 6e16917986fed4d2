#pragma once

#include "platform/scenar/actions/SoValueElement.h"

// How clear the shapes that follow are, from 0 (opaque) to 1 (clear): the
// first transparency of the last material met.
class SoTransparencyElement : public SoValueElementOf<SoTransparencyElement, float> {
 public:
  static constexpr const char* kClassName = "SoTransparencyElement";

  static void set(SoState* state, float transparency) {
    if (auto* element = getWritable(state)) element->value_ = transparency;
  }
  static float get(SoState* state) { return getValue(state); }
};
