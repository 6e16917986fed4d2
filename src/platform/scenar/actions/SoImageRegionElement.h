// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbLinear.h"

namespace scenar::detail {
struct ImageRegion {
  SbVec2f origin;
  SbVec2f size;
};
}  // namespace scenar::detail

// The rectangle of the whole picture, normalized, that the cameras met below
// map their full view volume onto, set by nodes that place a sub-scene in a
// part of the window. A render draws through it whether it draws the picture
// whole or one tile of it, so that every tile places the sub-scene exactly as
// the whole picture does. Empty, the viewport region stands for it.
class SoImageRegionElement
    : public SoValueElementOf<SoImageRegionElement, std::optional<scenar::detail::ImageRegion>> {
 public:
  static constexpr const char* kClassName = "SoImageRegionElement";

  static void set(SoState* state, const SbVec2f& origin, const SbVec2f& size) {
    if (auto* element = getWritable(state))
      element->value_ = scenar::detail::ImageRegion{origin, size};
  }
  static const std::optional<scenar::detail::ImageRegion>& get(SoState* state) {
    return getValue(state);
  }
};
