// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLCoordinate.h"

SO_NODE_SOURCE(SoVRMLCoordinate)

void SoVRMLCoordinate::initClass() { SO_NODE_INIT_CLASS(SoVRMLCoordinate, "VRMLCoordinate"); }

SoVRMLCoordinate::SoVRMLCoordinate() {
  SO_NODE_CONSTRUCTOR(SoVRMLCoordinate);
  SO_NODE_ADD_EMPTY_FIELD(point);
}
