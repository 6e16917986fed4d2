// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"

namespace scenar::detail {
// One number, Derived::kInitial until set; read only once Derived is complete.
template <typename Derived, typename T>
struct ScalarValue {
  T value = Derived::kInitial;
};
}  // namespace scenar::detail

// The base of an element whose value is one number T: Derived names its
// kClassName and its initial value, kInitial, which is also what get returns
// for a state that does not hold the element.
template <typename Derived, typename T>
class SoScalarElementOf
    : public SoValueElementOf<Derived, scenar::detail::ScalarValue<Derived, T>> {
 public:
  static void set(SoState* state, T value) {
    if (auto* element = SoScalarElementOf::getWritable(state)) element->value_.value = value;
  }
  static T get(SoState* state) { return SoScalarElementOf::getValue(state).value; }
};
