#pragma once

#include "platform/scenar/actions/SoValueElement.h"

namespace scenar::detail {
struct FontSizeValue {
  float size = 10.0f;
};
}  // namespace scenar::detail

// The height of an em of the texts that follow, in their own coordinates.
class SoFontSizeElement
    : public SoValueElementOf<SoFontSizeElement, scenar::detail::FontSizeValue> {
 public:
  static constexpr const char* kClassName = "SoFontSizeElement";

  static void set(SoState* state, float size) {
    if (auto* element = getWritable(state)) element->value_.size = size;
  }
  static float get(SoState* state) { return getValue(state).size; }
};
