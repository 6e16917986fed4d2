// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLShape.h"

#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"

SO_NODE_SOURCE(SoVRMLShape)

void SoVRMLShape::initClass() { SO_NODE_INIT_CLASS(SoVRMLShape, "VRMLShape"); }

SoVRMLShape::SoVRMLShape() {
  SO_NODE_CONSTRUCTOR(SoVRMLShape);
  SO_NODE_ADD_FIELD(appearance, (nullptr));
  SO_NODE_ADD_FIELD(geometry, (nullptr));
}

void SoVRMLShape::getBoundingBox(SoGetBoundingBoxAction* action) {
  if (auto* shape = dynamic_cast<SoVRMLIndexedShape*>(geometry.getValue())) {
    SbBox3f box;
    shape->computeBBox(box);
    action->extendBy(box);
  }
}
