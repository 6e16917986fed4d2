// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// Makes point the current coordinates of the vertex shapes that follow.
class SoCoordinate3 : public SoNode {
  SO_NODE_HEADER(SoCoordinate3, SoNode);

 public:
  SoMFVec3f point;

  SoCoordinate3();
  void doAction(SoAction* action) override;

 protected:
  ~SoCoordinate3() override = default;
};
