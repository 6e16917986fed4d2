// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoShape.h"

#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoPickStyleElement.h"
#include "platform/scenar/actions/SoRayPickAction.h"

SO_NODE_SOURCE(SoShape)

void SoShape::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(SoShape, "Shape"); }

SoShape::SoShape() { SO_NODE_CONSTRUCTOR(SoShape); }

bool SoShape::isOffPath(const SoAction* action) {
  int childIndex = -1;
  return action->getPathCode(childIndex) == SoAction::OFF_PATH;
}

void SoShape::GLRender(SoGLRenderAction* action) {
  if (isOffPath(action)) return;
  action->addRenderRecord(this);
  if (action->beginShapeDrawing()) drawGeometry(action);
}

void SoShape::getBoundingBox(SoGetBoundingBoxAction* action) {
  if (isOffPath(action)) return;
  SbBox3f box;
  computeBBox(action, box);
  action->extendBy(box);
}

void SoShape::rayPick(SoRayPickAction* action) {
  if (isOffPath(action)) return;
  const int style = SoPickStyleElement::get(action->getState());
  if (style == SoPickStyleElement::UNPICKABLE || !action->setUpRay()) return;
  if (style == SoPickStyleElement::BOUNDING_BOX) {
    SbBox3f box;
    computeBBox(action, box);
    action->intersectBox(this, box);
    return;
  }
  rayPickGeometry(action);
}
