// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// How the viewer moves through the world: the kinds of navigation in order of
// preference (type), the avatar's size, its speed, whether the headlight is on
// and how far it sees (visibilityLimit, 0 for no limit).
class SoVRMLNavigationInfo : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLNavigationInfo, SoVRMLNode);

 public:
  SoMFFloat avatarSize;
  SoSFBool headlight;
  SoSFFloat speed;
  SoMFString type;
  SoSFFloat visibilityLimit;

  SoVRMLNavigationInfo();
  const char* getFileTypeName() const override { return "NavigationInfo"; }

 protected:
  ~SoVRMLNavigationInfo() override = default;
};
