// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoAppearanceKit.h"

#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoMaterial.h"

SO_KIT_SOURCE(SoAppearanceKit)

void SoAppearanceKit::initClass() { SO_KIT_INIT_CLASS(SoAppearanceKit, "AppearanceKit"); }

SoAppearanceKit::SoAppearanceKit() {
  SO_KIT_CONSTRUCTOR(SoAppearanceKit);
  SO_KIT_ADD_CATALOG_ENTRY(lightModel, SoLightModel, TRUE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(material, SoMaterial, TRUE, "this", "", TRUE);
  SO_KIT_INIT_INSTANCE();
}
