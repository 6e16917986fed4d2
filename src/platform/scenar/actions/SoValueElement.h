// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoElement.h"
#include "platform/scenar/actions/SoState.h"

// The base of an element whose value is one copyable V: a push copies the
// value, and the derived class's static set/get reach the element of a state
// through getWritable/getReadable. V's own defaults are the element's initial
// value in every new state.
template <typename Derived, typename V>
class SoValueElementOf : public SoElementOf<Derived> {
 public:
  void copyValueFrom(const SoElement& other) override {
    value_ = static_cast<const SoValueElementOf&>(other).value_;
  }

 protected:
  // The element to change at the current depth; nullptr when the state (or
  // the pointer) is missing or the state does not hold this kind.
  static Derived* getWritable(SoState* state) {
    if (!state) return nullptr;
    return static_cast<Derived*>(state->getElement(SoElementOf<Derived>::getClassStackIndex()));
  }
  // The current value, or a default V when the state does not hold this kind.
  static const V& getValue(const SoState* state) {
    static const V kDefault{};
    if (!state) return kDefault;
    const SoElement* element = state->getConstElement(SoElementOf<Derived>::getClassStackIndex());
    return element ? static_cast<const SoValueElementOf*>(element)->value_ : kDefault;
  }

  V value_{};
};
