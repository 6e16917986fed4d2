// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLBackground.h"

SO_NODE_SOURCE(SoVRMLBackground)

void SoVRMLBackground::initClass() { SO_NODE_INIT_CLASS(SoVRMLBackground, "VRMLBackground"); }

SoVRMLBackground::SoVRMLBackground() {
  SO_NODE_CONSTRUCTOR(SoVRMLBackground);
  SO_NODE_ADD_EMPTY_FIELD(groundAngle);
  SO_NODE_ADD_EMPTY_FIELD(groundColor);
  SO_NODE_ADD_EMPTY_FIELD(backUrl);
  SO_NODE_ADD_EMPTY_FIELD(bottomUrl);
  SO_NODE_ADD_EMPTY_FIELD(frontUrl);
  SO_NODE_ADD_EMPTY_FIELD(leftUrl);
  SO_NODE_ADD_EMPTY_FIELD(rightUrl);
  SO_NODE_ADD_EMPTY_FIELD(topUrl);
  SO_NODE_ADD_EMPTY_FIELD(skyAngle);
  skyColor.setValue(SbColor(0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_EMPTY_FIELD(skyColor);
  skyColor.setDefault(TRUE);
}
