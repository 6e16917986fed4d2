#include "platform/scenar/nodes/SoMaterial.h"

SO_NODE_SOURCE(SoMaterial)

void SoMaterial::initClass() { SO_NODE_INIT_CLASS(SoMaterial, "Material"); }

SoMaterial::SoMaterial() {
  SO_NODE_CONSTRUCTOR(SoMaterial);
  SO_NODE_ADD_FIELD(diffuseColor, (SbColor(0.8f, 0.8f, 0.8f)));
  SO_NODE_ADD_FIELD(transparency, (0.0f));
}
