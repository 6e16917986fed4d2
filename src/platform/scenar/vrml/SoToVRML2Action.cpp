// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoToVRML2Action.h"

#include "platform/scenar/vrml/SoConvertGutsVRML2.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"

SO_ACTION_SOURCE(SoToVRML2Action, SoToVRMLAction)

void SoToVRML2Action::initClass() {
  SO_ACTION_INIT_CLASS(SoToVRML2Action, SoToVRMLAction, "ToVRML2Action", nullptr);
}

SoToVRML2Action::SoToVRML2Action() = default;

SoToVRML2Action::SoToVRML2Action(const SoToVRML2Action& other) : SoToVRMLAction(other) {}

SoToVRML2Action& SoToVRML2Action::operator=(const SoToVRML2Action& other) {
  SoToVRMLAction::operator=(other);
  return *this;
}

SoToVRML2Action::~SoToVRML2Action() = default;

void SoToVRML2Action::setVRML2SceneGraph(SoVRMLGroup* root) { vrml2Root_.reset(root); }

void SoToVRML2Action::convertToVRML2() {
  SoConvertGutsVRML2 guts;
  guts.setSettings(getSettings());
  auto* root = new SoVRMLGroup;
  root->addChild(guts.convertScenarToVRML2(getIntermediateSceneGraph()));
  setVRML2SceneGraph(root);
}

void SoToVRML2Action::apply(SoNode* node) {
  SoToVRMLAction::apply(node);
  convertToVRML2();
}

void SoToVRML2Action::apply(SoPath* path) {
  SoToVRMLAction::apply(path);
  convertToVRML2();
}

void SoToVRML2Action::apply(const SoPathList& paths, SbBool obeysRules) {
  SoToVRMLAction::apply(paths, obeysRules);
  convertToVRML2();
}
