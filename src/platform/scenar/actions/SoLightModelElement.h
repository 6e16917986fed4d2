#pragma once

#include "platform/scenar/actions/SoValueElement.h"

namespace scenar::detail {
struct LightModelValue {
  int model = 1;  // PHONG
};
}  // namespace scenar::detail

// How the shapes that follow are lit: by the lights (PHONG) or in their
// diffuse colour alone (BASE_COLOR).
class SoLightModelElement
    : public SoValueElementOf<SoLightModelElement, scenar::detail::LightModelValue> {
 public:
  static constexpr const char* kClassName = "SoLightModelElement";
  enum Model { BASE_COLOR = 0, PHONG = 1 };

  static void set(SoState* state, int model) {
    if (auto* element = getWritable(state)) element->value_.model = model;
  }
  static int get(SoState* state) { return getValue(state).model; }
};
