// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoTranslation.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"

SO_NODE_SOURCE(SoTranslation)

void SoTranslation::initClass() { SO_NODE_INIT_CLASS(SoTranslation, "Translation"); }

SoTranslation::SoTranslation() {
  SO_NODE_CONSTRUCTOR(SoTranslation);
  SO_NODE_ADD_FIELD(translation, (0.0f, 0.0f, 0.0f));
}

void SoTranslation::doAction(SoAction* action) {
  SoModelMatrixElement::translateBy(action->getState(), translation.getValue());
}

void SoTranslation::getMatrix(SoGetMatrixAction* action) {
  const SbVec3f& t = translation.getValue();
  SbMatrix matrix, inverse;
  matrix.setTranslate(t);
  inverse.setTranslate(-t);
  action->mult(matrix, inverse);
}
