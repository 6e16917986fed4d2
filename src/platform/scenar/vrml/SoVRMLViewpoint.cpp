// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLViewpoint.h"

SO_NODE_SOURCE(SoVRMLViewpoint)

void SoVRMLViewpoint::initClass() { SO_NODE_INIT_CLASS(SoVRMLViewpoint, "VRMLViewpoint"); }

SoVRMLViewpoint::SoVRMLViewpoint() {
  SO_NODE_CONSTRUCTOR(SoVRMLViewpoint);
  SO_NODE_ADD_FIELD(fieldOfView, (0.785398f));
  SO_NODE_ADD_FIELD(jump, (TRUE));
  SO_NODE_ADD_FIELD(orientation, (SbRotation()));
  SO_NODE_ADD_FIELD(position, (0.0f, 0.0f, 10.0f));
  SO_NODE_ADD_FIELD(description, (""));
}

SbBool SoVRMLViewpoint::isExposedField(const SbName& fieldName) const {
  return !(fieldName == "description");
}
