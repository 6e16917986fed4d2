// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// Words about the world: its title and other information. Neither is routed.
class SoVRMLWorldInfo : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLWorldInfo, SoVRMLNode);

 public:
  SoMFString info;
  SoSFString title;

  SoVRMLWorldInfo();
  const char* getFileTypeName() const override { return "WorldInfo"; }

 protected:
  ~SoVRMLWorldInfo() override = default;
  SbBool isExposedField(const SbName& fieldName) const override;
};
