// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"

// A group that tells the browser whether the viewer collides with its
// children (collide); traversed as a group.
class SoVRMLCollision : public SoVRMLGroup {
  SO_NODE_HEADER(SoVRMLCollision, SoVRMLGroup);

 public:
  SoSFBool collide;

  SoVRMLCollision();
  const char* getFileTypeName() const override { return "Collision"; }

 protected:
  ~SoVRMLCollision() override = default;
};
