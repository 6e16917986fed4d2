#include "platform/scenar/SoCameraKit.h"

#include "platform/scenar/SoGroup.h"
#include "platform/scenar/SoPerspectiveCamera.h"
#include "platform/scenar/SoTransform.h"

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
