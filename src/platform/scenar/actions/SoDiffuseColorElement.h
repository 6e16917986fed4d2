// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct DiffuseColorValue {
  SbColor color{0.8f, 0.8f, 0.8f};
};
}  // namespace scenar::detail

// The diffuse colour of the shapes that follow: the first colour of the last
// material met.
class SoDiffuseColorElement
    : public SoValueElementOf<SoDiffuseColorElement, scenar::detail::DiffuseColorValue> {
 public:
  static constexpr const char* kClassName = "SoDiffuseColorElement";

  static void set(SoState* state, const SbColor& color) {
    if (auto* element = getWritable(state)) element->value_.color = color;
  }
  static const SbColor& get(SoState* state) { return getValue(state).color; }
};
