// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLNavigationInfo.h"

SO_NODE_SOURCE(SoVRMLNavigationInfo)

void SoVRMLNavigationInfo::initClass() {
  SO_NODE_INIT_CLASS(SoVRMLNavigationInfo, "VRMLNavigationInfo");
}

SoVRMLNavigationInfo::SoVRMLNavigationInfo() {
  SO_NODE_CONSTRUCTOR(SoVRMLNavigationInfo);
  static const float avatar[] = {0.25f, 1.6f, 0.75f};
  static const SbString types[] = {SbString("WALK"), SbString("ANY")};
  avatarSize.setValues(0, 3, avatar);
  type.setValues(0, 2, types);
  SO_NODE_ADD_EMPTY_FIELD(avatarSize);
  SO_NODE_ADD_FIELD(headlight, (TRUE));
  SO_NODE_ADD_FIELD(speed, (1.0f));
  SO_NODE_ADD_EMPTY_FIELD(type);
  SO_NODE_ADD_FIELD(visibilityLimit, (0.0f));
  avatarSize.setDefault(TRUE);
  type.setDefault(TRUE);
}
