// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoLightModel.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoLightModelElement.h"

namespace {

const SoEnumEntry kModels[] = {{"BASE_COLOR", SoLightModel::BASE_COLOR},
                               {"PHONG", SoLightModel::PHONG}};

}  // namespace

SO_NODE_SOURCE(SoLightModel)

void SoLightModel::initClass() { SO_NODE_INIT_CLASS(SoLightModel, "LightModel"); }

SoLightModel::SoLightModel() {
  SO_NODE_CONSTRUCTOR(SoLightModel);
  SO_NODE_ADD_FIELD(model, (PHONG));
  model.setEnums(kModels, 2);
}

void SoLightModel::doAction(SoAction* action) {
  SoLightModelElement::set(action->getState(), model.getValue());
}
