// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLCollision.h"

SO_NODE_SOURCE(SoVRMLCollision)

void SoVRMLCollision::initClass() { SO_NODE_INIT_CLASS(SoVRMLCollision, "VRMLCollision"); }

SoVRMLCollision::SoVRMLCollision() {
  SO_NODE_CONSTRUCTOR(SoVRMLCollision);
  SO_NODE_ADD_FIELD(collide, (TRUE));
}
