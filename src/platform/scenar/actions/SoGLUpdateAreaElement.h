// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct UpdateAreaValue {
  SbVec2f origin{0.0f, 0.0f};
  SbVec2f size{1.0f, 1.0f};
};
}  // namespace scenar::detail

// The part of the window a render has to update, as normalized origin and
// size; the whole window, (0, 0) and (1, 1), by default.
class SoGLUpdateAreaElement
    : public SoValueElementOf<SoGLUpdateAreaElement, scenar::detail::UpdateAreaValue> {
 public:
  static constexpr const char* kClassName = "SoGLUpdateAreaElement";

  static void set(SoState* state, const SbVec2f& origin, const SbVec2f& size) {
    if (auto* element = getWritable(state)) element->value_ = {origin, size};
  }
  static void get(SoState* state, SbVec2f& origin, SbVec2f& size) {
    const auto& value = getValue(state);
    origin = value.origin;
    size = value.size;
  }
};
