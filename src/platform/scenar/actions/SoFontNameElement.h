// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbString.h"

namespace scenar::detail {
struct FontNameValue {
  const SbString* name = nullptr;  // nullptr: the default font
};
}  // namespace scenar::detail

// The font family name of the texts that follow, "defaultFont" until a font
// sets it. The element does not copy the name: it points into the node that
// set it, which must stay unchanged while the traversal runs.
class SoFontNameElement
    : public SoValueElementOf<SoFontNameElement, scenar::detail::FontNameValue> {
 public:
  static constexpr const char* kClassName = "SoFontNameElement";

  static void set(SoState* state, const SbString& name) {
    if (auto* element = getWritable(state)) element->value_.name = &name;
  }
  static const SbString& get(SoState* state) {
    static const SbString kDefault("defaultFont");
    const SbString* name = getValue(state).name;
    return name ? *name : kDefault;
  }
};
