// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLGroup.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoState.h"

SO_NODE_SOURCE(SoVRMLGroup)

void SoVRMLGroup::initClass() { SO_NODE_INIT_CLASS(SoVRMLGroup, "VRMLGroup"); }

SoVRMLGroup::SoVRMLGroup() {
  SO_NODE_CONSTRUCTOR(SoVRMLGroup);
  SO_NODE_ADD_EMPTY_FIELD(children);
}

void SoVRMLGroup::doAction(SoAction* action) {
  SoState* state = action->getState();
  state->push();
  setUpChildren(state);
  action->traverseChildren(children.getNodes());
  state->pop();
}
