// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoState.h"

#include <cassert>

SoState::SoState(SoAction* action, const std::vector<int>& enabled) : action_(action) {
  stacks_.resize(static_cast<std::size_t>(SoElement::getNumStackIndices()));
  pushedAt_.resize(1);
  for (int index : enabled) {
    if (index < 0 || index >= static_cast<int>(stacks_.size())) continue;
    Stack& stack = stacks_[static_cast<std::size_t>(index)];
    if (!stack.elements.empty()) continue;
    SoElement::CreateMethod create = SoElement::getCreateMethod(index);
    SoElement* element = create();
    element->stackIndex_ = index;
    element->depth_ = 0;
    stack.elements.push_back(element);
    stack.top = 0;
    element->init(this);
  }
}

SoState::~SoState() {
  for (Stack& stack : stacks_)
    for (SoElement* element : stack.elements) delete element;
}

SoElement* SoState::getElement(int stackIndex) {
  if (!isElementEnabled(stackIndex)) return nullptr;
  Stack& stack = stacks_[static_cast<std::size_t>(stackIndex)];
  SoElement* top = stack.elements[static_cast<std::size_t>(stack.top)];
  if (top->depth_ == depth_) return top;
  // The top belongs to an outer depth: push a copy that the next pop removes.
  const std::size_t next = static_cast<std::size_t>(stack.top) + 1;
  if (next == stack.elements.size()) {
    SoElement* element = SoElement::getCreateMethod(stackIndex)();
    element->stackIndex_ = stackIndex;
    stack.elements.push_back(element);
  }
  SoElement* pushed = stack.elements[next];
  pushed->copyValueFrom(*top);
  pushed->depth_ = depth_;
  stack.top = static_cast<int>(next);
  pushedAt_[static_cast<std::size_t>(depth_)].push_back(stackIndex);
  pushed->push(this);
  return pushed;
}

void SoState::push() {
  ++depth_;
  if (pushedAt_.size() <= static_cast<std::size_t>(depth_)) pushedAt_.resize(depth_ + 1u);
  pushedAt_[static_cast<std::size_t>(depth_)].clear();
}

void SoState::pop() {
  assert(depth_ > 0 && "SoState::pop(): no push to undo");
  if (depth_ == 0) return;
  std::vector<int>& pushed = pushedAt_[static_cast<std::size_t>(depth_)];
  for (auto it = pushed.rbegin(); it != pushed.rend(); ++it) {
    Stack& stack = stacks_[static_cast<std::size_t>(*it)];
    SoElement* prevTop = stack.elements[static_cast<std::size_t>(stack.top)];
    --stack.top;
    stack.elements[static_cast<std::size_t>(stack.top)]->pop(this, prevTop);
  }
  pushed.clear();
  --depth_;
}
