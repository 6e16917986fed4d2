// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoCameraKit.h"

#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"
#include "platform/scenar/nodes/SoTransform.h"

SO_KIT_SOURCE(SoCameraKit)

void SoCameraKit::initClass() { SO_KIT_INIT_CLASS(SoCameraKit, "CameraKit"); }

SoCameraKit::SoCameraKit() {
  SO_KIT_CONSTRUCTOR(SoCameraKit);
  SO_KIT_ADD_CATALOG_ENTRY(transformGroup, SoGroup, TRUE, "this", "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(transform, SoTransform, TRUE, "transformGroup", "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(camera, SoCamera, SoPerspectiveCamera, TRUE, "transformGroup",
                                    "", TRUE);
  SO_KIT_INIT_INSTANCE();
}
