// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLIndexedFaceSet.h"

SO_NODE_SOURCE(SoVRMLIndexedFaceSet)

void SoVRMLIndexedFaceSet::initClass() {
  SO_NODE_INIT_CLASS(SoVRMLIndexedFaceSet, "VRMLIndexedFaceSet");
}

SoVRMLIndexedFaceSet::SoVRMLIndexedFaceSet() {
  SO_NODE_CONSTRUCTOR(SoVRMLIndexedFaceSet);
  SO_NODE_ADD_FIELD(ccw, (TRUE));
  SO_NODE_ADD_FIELD(convex, (TRUE));
  SO_NODE_ADD_FIELD(creaseAngle, (0.0f));
  SO_NODE_ADD_FIELD(solid, (TRUE));
}
