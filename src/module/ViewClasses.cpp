// SPDX-License-Identifier: Apache-2.0
// The module's registry of node and action classes, in the one order they are
// registered in; they are unregistered in the reverse order. Views know only
// their parent class: what the module registers is listed here alone.

#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "views/PoView.h"
#include "vrml/PoToVRML2Action.h"

void PoBaseView::initClasses() {
  PoToVRML2Action::initClass();
  PoBaseView::initClass();
  PoView::initClass();
  PoSceneView::initClass();
}

void PoBaseView::exitClasses() {
  PoSceneView::exitClass();
  PoView::exitClass();
  PoBaseView::exitClass();
  PoToVRML2Action::exitClass();
}
