// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct ModifyViewVolumeValue {
  SbVec4f portion{0.0f, 0.0f, 1.0f, 1.0f};
  float zmin = 0.0f;
  float zmax = 1.0f;
  int info = 0;
};
}  // namespace scenar::detail

// The portion of the full view volume the traversal draws, in the volume's
// normalized coordinates: (xmin, ymin, xmax, ymax), (0, 0, 1, 1) being the
// whole volume. Cameras narrow their view volume to it.
//
// The element also carries an integer info value for the traversal's own
// bookkeeping, 0 in a new state and at the start of each render. It belongs to
// the traversal, not to the stack: an info set inside a separator outlives the
// separator, while the portion set there is undone.
class SoModifyViewVolumeElement
    : public SoValueElementOf<SoModifyViewVolumeElement, scenar::detail::ModifyViewVolumeValue> {
 public:
  static constexpr const char* kClassName = "SoModifyViewVolumeElement";

  // The portion; the depth range goes back to [0, 1]. The info is kept.
  static void set(SoState* state, const SbVec4f& portion) {
    if (auto* element = getWritable(state)) {
      element->value_.portion = portion;
      element->value_.zmin = 0.0f;
      element->value_.zmax = 1.0f;
    }
  }
  // The x and y bounds of the box are the portion, its z bounds the depth
  // range. An empty box means the whole volume. The info is kept.
  static void set(SoState* state, const SbBox3f& box) {
    auto* element = getWritable(state);
    if (!element) return;
    if (box.isEmpty()) {
      set(state, SbVec4f(0.0f, 0.0f, 1.0f, 1.0f));
      return;
    }
    const SbVec3f& lo = box.getMin();
    const SbVec3f& hi = box.getMax();
    element->value_.portion.setValue(lo[0], lo[1], hi[0], hi[1]);
    element->value_.zmin = lo[2];
    element->value_.zmax = hi[2];
  }
  static const SbVec4f& get(SoState* state) { return getValue(state).portion; }
  // The portion with its depth range as a box.
  static SbBox3f getBox(SoState* state) {
    const auto& value = getValue(state);
    return SbBox3f(value.portion[0], value.portion[1], value.zmin, value.portion[2],
                   value.portion[3], value.zmax);
  }

  // The info set above this element on the stack comes down with the pop.
  void pop(SoState*, const SoElement* prevTop) override {
    value_.info = static_cast<const SoModifyViewVolumeElement*>(prevTop)->value_.info;
  }

  static int getInfo(SoState* state) { return getValue(state).info; }
  static void setInfo(SoState* state, int info) {
    if (auto* element = getWritable(state)) element->value_.info = info;
  }
};
