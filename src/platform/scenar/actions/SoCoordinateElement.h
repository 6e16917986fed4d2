// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct CoordinateValue {
  const SbVec3f* points = nullptr;
  int num = 0;
};
}  // namespace scenar::detail

// The current coordinates for the vertex shapes that follow. The element does
// not copy the points: it points into the node that set them, which must stay
// unchanged while the traversal runs.
class SoCoordinateElement
    : public SoValueElementOf<SoCoordinateElement, scenar::detail::CoordinateValue> {
 public:
  static constexpr const char* kClassName = "SoCoordinateElement";

  // A negative num or missing points set no coordinates.
  static void set(SoState* state, int num, const SbVec3f* points) {
    if (auto* element = getWritable(state))
      element->value_ = (num > 0 && points) ? scenar::detail::CoordinateValue{points, num}
                                            : scenar::detail::CoordinateValue{};
  }
  static int getNum(SoState* state) { return getValue(state).num; }
  // nullptr when there are no coordinates.
  static const SbVec3f* getArrayPtr(SoState* state) { return getValue(state).points; }
  // The origin for an index outside the list.
  static SbVec3f get3(SoState* state, int index) {
    const auto& value = getValue(state);
    return index >= 0 && index < value.num ? value.points[index] : SbVec3f();
  }
};
