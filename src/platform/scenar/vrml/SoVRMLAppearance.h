// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// How a shape looks: its material (an SoVRMLMaterial, or NULL for unlit white).
class SoVRMLAppearance : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLAppearance, SoVRMLNode);

 public:
  SoSFNode material;

  SoVRMLAppearance();
  const char* getFileTypeName() const override { return "Appearance"; }

 protected:
  ~SoVRMLAppearance() override = default;
};
