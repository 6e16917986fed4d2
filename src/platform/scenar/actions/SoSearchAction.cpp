// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoSearchAction.h"

#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoSearchAction, SoAction)

void SoSearchAction::initClass() {
  SO_ACTION_INIT_CLASS(SoSearchAction, SoAction, "SearchAction", searchNode);
}

SoSearchAction::~SoSearchAction() { reset(); }

void SoSearchAction::setNode(SoNode* node) {
  node_ = node;
  lookFor_ |= NODE;
}

void SoSearchAction::setType(SoType type, SbBool derivedIsOk) {
  type_ = type;
  derivedIsOk_ = derivedIsOk;
  lookFor_ |= TYPE;
}

void SoSearchAction::setName(const SbName& name) {
  name_ = name;
  lookFor_ |= NAME;
}

void SoSearchAction::reset() {
  lookFor_ = 0;
  interest_ = FIRST;
  node_ = nullptr;
  type_ = SoType();
  derivedIsOk_ = TRUE;
  name_ = SbName("");
  path_.reset();
  paths_.truncate(0);
}

void SoSearchAction::beginTraversal(SoNode* node) {
  path_.reset();
  paths_.truncate(0);
  traverse(node);
}

bool SoSearchAction::matches(const SoNode* node) const {
  if (lookFor_ == 0) return false;
  if ((lookFor_ & NODE) && node != node_) return false;
  if (lookFor_ & TYPE) {
    SoType type = node->getTypeId();
    if (derivedIsOk_ ? !type.isDerivedFrom(type_) : !(type == type_)) return false;
  }
  if ((lookFor_ & NAME) && !(node->getName() == name_)) return false;
  return true;
}

void SoSearchAction::found() {
  auto* path = new SoPath(*getCurPath());
  if (interest_ == ALL) {
    paths_.append(path);
    return;
  }
  path_.reset(path);
  if (interest_ == FIRST) setTerminated(true);
}

void SoSearchAction::searchNode(SoAction* action, SoNode* node) {
  auto* search = static_cast<SoSearchAction*>(action);
  if (search->matches(node)) search->found();
  if (!search->hasTerminated()) node->search(search);
}
