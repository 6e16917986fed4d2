// SPDX-License-Identifier: Apache-2.0
// What a node does by default for each kind of action: what doAction does.

#include "platform/scenar/actions/SoCallbackAction.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/actions/SoPickAction.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/nodes/SoNode.h"

void SoNode::doAction(SoAction*) {}

void SoNode::search(SoSearchAction* action) { doAction(action); }

void SoNode::callback(SoCallbackAction* action) { doAction(action); }

void SoNode::GLRender(SoGLRenderAction* action) { doAction(action); }

void SoNode::getBoundingBox(SoGetBoundingBoxAction* action) { doAction(action); }

void SoNode::getMatrix(SoGetMatrixAction* action) { doAction(action); }

void SoNode::handleEvent(SoHandleEventAction* action) { doAction(action); }

void SoNode::pick(SoPickAction* action) { doAction(action); }

// A ray pick is a pick: nodes that only set state need not tell them apart.
void SoNode::rayPick(SoRayPickAction* action) { pick(action); }
