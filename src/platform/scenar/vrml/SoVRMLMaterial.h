// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// The surface of a shape: colours in [0, 1], intensities and transparency
// (0 opaque, 1 clear).
class SoVRMLMaterial : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLMaterial, SoVRMLNode);

 public:
  SoSFFloat ambientIntensity;
  SoSFColor diffuseColor;
  SoSFColor emissiveColor;
  SoSFFloat shininess;
  SoSFColor specularColor;
  SoSFFloat transparency;

  SoVRMLMaterial();
  const char* getFileTypeName() const override { return "Material"; }

 protected:
  ~SoVRMLMaterial() override = default;
};
