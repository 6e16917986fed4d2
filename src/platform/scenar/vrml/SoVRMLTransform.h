// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"

// A group whose children are scaled along the axes of scaleOrientation,
// rotated, both about center, then translated.
class SoVRMLTransform : public SoVRMLGroup {
  SO_NODE_HEADER(SoVRMLTransform, SoVRMLGroup);

 public:
  SoSFVec3f translation;
  SoSFRotation rotation;
  SoSFVec3f scale;
  SoSFRotation scaleOrientation;
  SoSFVec3f center;

  SoVRMLTransform();
  const char* getFileTypeName() const override { return "Transform"; }

  // Sets translation, rotation, scale and scaleOrientation to the
  // decomposition of matrix about center (SbMatrix::getTransform); a field
  // that holds its part already is left alone.
  void setMatrix(const SbMatrix& matrix);
  // The matrix of the fields (row vectors), as SbMatrix::setTransform makes it.
  SbMatrix getTransformMatrix() const;

 protected:
  ~SoVRMLTransform() override = default;
  void setUpChildren(SoState* state) override;
};
