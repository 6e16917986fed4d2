// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLText.h"

SO_NODE_SOURCE(SoVRMLText)

void SoVRMLText::initClass() { SO_NODE_INIT_CLASS(SoVRMLText, "VRMLText"); }

SoVRMLText::SoVRMLText() {
  SO_NODE_CONSTRUCTOR(SoVRMLText);
  SO_NODE_ADD_EMPTY_FIELD(string);
  SO_NODE_ADD_FIELD(fontStyle, (nullptr));
  SO_NODE_ADD_EMPTY_FIELD(length);
  SO_NODE_ADD_FIELD(maxExtent, (0.0f));
}
