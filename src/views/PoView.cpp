// SPDX-License-Identifier: Apache-2.0
#include "views/PoView.h"

#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodes/SoCallback.h"

// The class mutex is made at load, with the library's other load-time statics.
SO_KIT_CLASS_DATA(PoView)

void PoView::initClass() { SO_KIT_INIT_CLASS(PoView, "PoView"); }

PoView::PoView() { setUpInstance(); }

PoView::PoView(const PoView& other) : PoBaseView(other) {
  setUpInstance();
  copyView(other);
}

void PoView::setUpInstance() {
  SO_KIT_CONSTRUCTOR(PoView);
  SO_KIT_ADD_CATALOG_ENTRY(catchActionCallback, SoCallback, TRUE, "this", "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cameraKit, SoCameraKit, TRUE, "this", "", TRUE);
  SO_KIT_INIT_INSTANCE();
  hookCallbackPart();
}

SbBool PoView::readInstance(SoInput* in, unsigned short flags) {
  const SbBool result = PoBaseView::readInstance(in, flags);
  if (SoDB::getRenderUnitMode()) hookCallbackPart();
  return result;
}
