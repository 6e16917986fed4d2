// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoMaterial.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoDiffuseColorElement.h"
#include "platform/scenar/actions/SoTransparencyElement.h"

SO_NODE_SOURCE(SoMaterial)

void SoMaterial::initClass() { SO_NODE_INIT_CLASS(SoMaterial, "Material"); }

SoMaterial::SoMaterial() {
  SO_NODE_CONSTRUCTOR(SoMaterial);
  SO_NODE_ADD_FIELD(diffuseColor, (SbColor(0.8f, 0.8f, 0.8f)));
  SO_NODE_ADD_FIELD(transparency, (0.0f));
}

void SoMaterial::doAction(SoAction* action) {
  SoState* state = action->getState();
  if (diffuseColor.getNum() > 0) SoDiffuseColorElement::set(state, diffuseColor[0]);
  if (transparency.getNum() > 0) SoTransparencyElement::set(state, transparency[0]);
}
