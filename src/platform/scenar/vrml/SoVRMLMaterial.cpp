// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLMaterial.h"

SO_NODE_SOURCE(SoVRMLMaterial)

void SoVRMLMaterial::initClass() { SO_NODE_INIT_CLASS(SoVRMLMaterial, "VRMLMaterial"); }

SoVRMLMaterial::SoVRMLMaterial() {
  SO_NODE_CONSTRUCTOR(SoVRMLMaterial);
  SO_NODE_ADD_FIELD(ambientIntensity, (0.2f));
  SO_NODE_ADD_FIELD(diffuseColor, (0.8f, 0.8f, 0.8f));
  SO_NODE_ADD_FIELD(emissiveColor, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(shininess, (0.2f));
  SO_NODE_ADD_FIELD(specularColor, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(transparency, (0.0f));
}
