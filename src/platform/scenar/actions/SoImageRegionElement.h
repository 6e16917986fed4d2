#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct ImageRegionValue {
  SbVec2f origin{0.0f, 0.0f};
  SbVec2f size{1.0f, 1.0f};
  bool isSet = false;
};
}  // namespace scenar::detail

// The rectangle of the whole picture, normalized, that the cameras met below
// map their full view volume onto, set by nodes that place a sub-scene in a
// part of the window. A render draws through it whether it draws the picture
// whole or one tile of it, so that every tile places the sub-scene exactly as
// the whole picture does. Unset, the viewport region stands for it.
class SoImageRegionElement
    : public SoValueElementOf<SoImageRegionElement, scenar::detail::ImageRegionValue> {
 public:
  static constexpr const char* kClassName = "SoImageRegionElement";

  static void set(SoState* state, const SbVec2f& origin, const SbVec2f& size) {
    if (auto* element = getWritable(state)) element->value_ = {origin, size, true};
  }
  static const scenar::detail::ImageRegionValue& get(SoState* state) { return getValue(state); }
};
