// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"

SO_NODE_SOURCE(SoVRMLIndexedLineSet)

void SoVRMLIndexedLineSet::initClass() {
  SO_NODE_INIT_CLASS(SoVRMLIndexedLineSet, "VRMLIndexedLineSet");
}

SoVRMLIndexedLineSet::SoVRMLIndexedLineSet() { SO_NODE_CONSTRUCTOR(SoVRMLIndexedLineSet); }
