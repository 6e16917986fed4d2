// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoGroup.h"

#include <algorithm>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoState.h"

SO_NODE_SOURCE(SoGroup)

void SoGroup::initClass() { SO_NODE_INIT_CLASS(SoGroup, "Group"); }

SoGroup::SoGroup() { SO_NODE_CONSTRUCTOR(SoGroup); }

SoGroup::~SoGroup() {
  std::vector<SoNode*> children;
  children.swap(children_);
  for (SoNode* child : children) {
    child->removeAuditor(this);
    child->unref();
  }
}

void SoGroup::addChild(SoNode* child) { insertChild(child, getNumChildren()); }

void SoGroup::insertChild(SoNode* child, int newChildIndex) {
  if (!child || child == this) return;
  newChildIndex = std::clamp(newChildIndex, 0, getNumChildren());
  child->ref();
  child->addAuditor(this);
  children_.insert(children_.begin() + newChildIndex, child);
  touch();
}

void SoGroup::release(SoNode* child) {
  if (findChild(child) < 0) child->removeAuditor(this);
  child->unref();
}

void SoGroup::removeChild(int index) {
  if (index < 0 || index >= getNumChildren()) return;
  SoNode* child = children_[static_cast<std::size_t>(index)];
  children_.erase(children_.begin() + index);
  release(child);
  touch();
}

void SoGroup::removeAllChildren() {
  if (children_.empty()) return;
  std::vector<SoNode*> children;
  children.swap(children_);
  for (SoNode* child : children) release(child);
  touch();
}

void SoGroup::replaceChild(int index, SoNode* newChild) {
  if (index < 0 || index >= getNumChildren() || !newChild) return;
  newChild->ref();
  newChild->addAuditor(this);
  SoNode* old = children_[static_cast<std::size_t>(index)];
  children_[static_cast<std::size_t>(index)] = newChild;
  release(old);
  touch();
}

SoNode* SoGroup::getChild(int index) const {
  if (index < 0 || index >= getNumChildren()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

int SoGroup::findChild(const SoNode* child) const {
  auto found = std::find(children_.begin(), children_.end(), child);
  return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

void SoGroup::doAction(SoAction* action) { action->traverseChildren(children_); }

void SoGroup::nodeChanged(SoNode*, SoField*) { touch(); }

void SoGroup::nodeDying(SoNode* node) {
  // Only a child deleted behind the group's back gets here; forget it.
  children_.erase(std::remove(children_.begin(), children_.end(), node), children_.end());
}

SO_NODE_SOURCE(SoSeparator)

void SoSeparator::initClass() { SO_NODE_INIT_CLASS(SoSeparator, "Separator"); }

SoSeparator::SoSeparator() { SO_NODE_CONSTRUCTOR(SoSeparator); }

void SoSeparator::doAction(SoAction* action) {
  SoState* state = action->getState();
  state->push();
  SoGroup::doAction(action);
  state->pop();
}

void SoSeparator::getMatrix(SoGetMatrixAction* action) {
  int childIndex = -1;
  if (action->getPathCode(childIndex) == SoAction::IN_PATH) SoGroup::getMatrix(action);
}
