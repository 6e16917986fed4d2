// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// Moves the shapes that follow by translation.
class SoTranslation : public SoNode {
  SO_NODE_HEADER(SoTranslation, SoNode);

 public:
  SoSFVec3f translation;

  SoTranslation();

  void doAction(SoAction* action) override;
  void getMatrix(SoGetMatrixAction* action) override;

 protected:
  ~SoTranslation() override = default;
};
