// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLWorldInfo.h"

SO_NODE_SOURCE(SoVRMLWorldInfo)

void SoVRMLWorldInfo::initClass() { SO_NODE_INIT_CLASS(SoVRMLWorldInfo, "VRMLWorldInfo"); }

SoVRMLWorldInfo::SoVRMLWorldInfo() {
  SO_NODE_CONSTRUCTOR(SoVRMLWorldInfo);
  SO_NODE_ADD_EMPTY_FIELD(info);
  SO_NODE_ADD_FIELD(title, (""));
}

SbBool SoVRMLWorldInfo::isExposedField(const SbName&) const { return FALSE; }
