// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLAppearance.h"

SO_NODE_SOURCE(SoVRMLAppearance)

void SoVRMLAppearance::initClass() { SO_NODE_INIT_CLASS(SoVRMLAppearance, "VRMLAppearance"); }

SoVRMLAppearance::SoVRMLAppearance() {
  SO_NODE_CONSTRUCTOR(SoVRMLAppearance);
  SO_NODE_ADD_FIELD(material, (nullptr));
}
