// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// Scales and rotates about center, then translates, the shapes that follow.
class SoTransform : public SoNode {
  SO_NODE_HEADER(SoTransform, SoNode);

 public:
  SoSFVec3f translation;
  SoSFRotation rotation;
  SoSFVec3f scaleFactor;
  SoSFVec3f center;

  SoTransform();

  // The node's matrix (row vectors): translate(-center) * scale * rotate *
  // translate(center) * translate(translation).
  SbMatrix getTransformMatrix() const;

  // Multiplies the model matrix by the node's matrix.
  void doAction(SoAction* action) override;
  void getMatrix(SoGetMatrixAction* action) override;

 protected:
  ~SoTransform() override = default;
};
