#include "platform/scenar/nodes/SoMaterial.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoDiffuseColorElement.h"

SO_NODE_SOURCE(SoMaterial)

void SoMaterial::initClass() { SO_NODE_INIT_CLASS(SoMaterial, "Material"); }

SoMaterial::SoMaterial() {
  SO_NODE_CONSTRUCTOR(SoMaterial);
  SO_NODE_ADD_FIELD(diffuseColor, (SbColor(0.8f, 0.8f, 0.8f)));
  SO_NODE_ADD_FIELD(transparency, (0.0f));
}

void SoMaterial::doAction(SoAction* action) {
  if (diffuseColor.getNum() > 0) SoDiffuseColorElement::set(action->getState(), diffuseColor[0]);
}
