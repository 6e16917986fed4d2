// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct PortionValue {
  SbVec4f portion{0.0f, 0.0f, 1.0f, 1.0f};
};
}  // namespace scenar::detail

// The portion (xmin, ymin, xmax, ymax, normalized) of the logical viewport
// that the traversal draws; (0, 0, 1, 1) is all of it.
class SoModifyLogicalViewportElement
    : public SoValueElementOf<SoModifyLogicalViewportElement, scenar::detail::PortionValue> {
 public:
  static constexpr const char* kClassName = "SoModifyLogicalViewportElement";

  static void set(SoState* state, const SbVec4f& portion) {
    if (auto* element = getWritable(state)) element->value_.portion = portion;
  }
  static const SbVec4f& get(SoState* state) { return getValue(state).portion; }
};
