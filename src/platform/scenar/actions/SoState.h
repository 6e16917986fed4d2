// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoElement.h"

class SoAction;

// The traversal state of one action: a stack per enabled element kind and a
// depth that separators push and pop. Elements are pooled: once a traversal has
// reached a depth, traversing to it again allocates nothing.
class SoState {
 public:
  // enabled lists the stack indices of the element kinds the state holds.
  SoState(SoAction* action, const std::vector<int>& enabled);
  ~SoState();
  SoState(const SoState&) = delete;
  SoState& operator=(const SoState&) = delete;

  SoAction* getAction() const { return action_; }
  bool isElementEnabled(int stackIndex) const {
    return stackIndex >= 0 && stackIndex < static_cast<int>(stacks_.size()) &&
           stacks_[static_cast<std::size_t>(stackIndex)].top >= 0;
  }
  // The element to change at the current depth: the top of its stack, or a copy
  // of it pushed first when the top belongs to an outer depth. nullptr when the
  // kind is not enabled.
  SoElement* getElement(int stackIndex);
  // The current element to read; nullptr when the kind is not enabled.
  const SoElement* getConstElement(int stackIndex) const {
    if (!isElementEnabled(stackIndex)) return nullptr;
    const Stack& stack = stacks_[static_cast<std::size_t>(stackIndex)];
    return stack.elements[static_cast<std::size_t>(stack.top)];
  }

  void push();
  void pop();
  int getDepth() const { return depth_; }

 private:
  struct Stack {
    std::vector<SoElement*> elements;  // owned; entries above top are kept for reuse
    int top = -1;
  };

  SoAction* action_;
  std::vector<Stack> stacks_;               // by stack index; empty when not enabled
  std::vector<std::vector<int>> pushedAt_;  // stack indices pushed at each depth
  int depth_ = 0;
};
