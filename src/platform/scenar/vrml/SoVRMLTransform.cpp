// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLTransform.h"

#include "platform/scenar/actions/SoModelMatrixElement.h"

SO_NODE_SOURCE(SoVRMLTransform)

void SoVRMLTransform::initClass() { SO_NODE_INIT_CLASS(SoVRMLTransform, "VRMLTransform"); }

SoVRMLTransform::SoVRMLTransform() {
  SO_NODE_CONSTRUCTOR(SoVRMLTransform);
  SO_NODE_ADD_FIELD(translation, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(rotation, (SbRotation()));
  SO_NODE_ADD_FIELD(scale, (1.0f, 1.0f, 1.0f));
  SO_NODE_ADD_FIELD(scaleOrientation, (SbRotation()));
  SO_NODE_ADD_FIELD(center, (0.0f, 0.0f, 0.0f));
}

void SoVRMLTransform::setMatrix(const SbMatrix& matrix) {
  SbVec3f t, s;
  SbRotation r, so;
  matrix.getTransform(t, r, s, so, center.getValue());
  // A field that holds its part already keeps it, and stays unwritten when
  // it holds its default.
  if (!(translation.getValue() == t)) translation = t;
  if (!(rotation.getValue() == r)) rotation = r;
  if (!(scale.getValue() == s)) scale = s;
  if (!(scaleOrientation.getValue() == so)) scaleOrientation = so;
}

SbMatrix SoVRMLTransform::getTransformMatrix() const {
  SbMatrix matrix;
  matrix.setTransform(translation.getValue(), rotation.getValue(), scale.getValue(),
                      scaleOrientation.getValue(), center.getValue());
  return matrix;
}

void SoVRMLTransform::setUpChildren(SoState* state) {
  SoModelMatrixElement::mult(state, getTransformMatrix());
}
