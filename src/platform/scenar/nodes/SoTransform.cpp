// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoTransform.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"

SO_NODE_SOURCE(SoTransform)

void SoTransform::initClass() { SO_NODE_INIT_CLASS(SoTransform, "Transform"); }

SoTransform::SoTransform() {
  SO_NODE_CONSTRUCTOR(SoTransform);
  SO_NODE_ADD_FIELD(translation, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(rotation, (SbRotation()));
  SO_NODE_ADD_FIELD(scaleFactor, (1.0f, 1.0f, 1.0f));
  SO_NODE_ADD_FIELD(center, (0.0f, 0.0f, 0.0f));
}

SbMatrix SoTransform::getTransformMatrix() const {
  const SbVec3f& c = center.getValue();
  SbMatrix toCenter, scale, rotate, fromCenter, translate;
  toCenter.setTranslate(-c);
  scale.setScale(scaleFactor.getValue());
  rotate.setRotate(rotation.getValue());
  fromCenter.setTranslate(c);
  translate.setTranslate(translation.getValue());
  return toCenter * scale * rotate * fromCenter * translate;
}

void SoTransform::doAction(SoAction* action) {
  SoModelMatrixElement::mult(action->getState(), getTransformMatrix());
}

void SoTransform::getMatrix(SoGetMatrixAction* action) { action->mult(getTransformMatrix()); }
