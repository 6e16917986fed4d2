#pragma once

#include "platform/scenar/actions/SoValueElement.h"

namespace scenar::detail {
struct PickStyleValue {
  int style = 0;
};
}  // namespace scenar::detail

// How the shapes that follow are picked: by their geometry, by their bounding
// box, or not at all.
class SoPickStyleElement
    : public SoValueElementOf<SoPickStyleElement, scenar::detail::PickStyleValue> {
 public:
  static constexpr const char* kClassName = "SoPickStyleElement";
  enum Style { SHAPE = 0, BOUNDING_BOX = 1, UNPICKABLE = 2 };

  static void set(SoState* state, int style) {
    if (auto* element = getWritable(state)) element->value_.style = style;
  }
  static int get(SoState* state) { return getValue(state).style; }
};
