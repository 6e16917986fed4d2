// SPDX-License-Identifier: Apache-2.0
#pragma once

// The conversion with Plivex's workers, as the module's action runs it
// before it rebuilds the views: into a collision group with collision off.

#include "platform/plivex/PoConvertGuts.h"
#include "platform/plivex/PoConvertGutsVRML2.h"
#include "platform/scenar/vrml/SoToVRML2Action.h"
#include "platform/scenar/vrml/SoVRMLCollision.h"

class PlotConversion : public SoToVRML2Action {
 public:
  void apply(SoNode* node) override {
    SoToVRMLAction::apply(node);
    convertToVRML2();
  }
  void apply(SoPath* path) override {
    SoToVRMLAction::apply(path);
    convertToVRML2();
  }
  using SoToVRML2Action::apply;
  PoConvertGuts* guts() const { return dynamic_cast<PoConvertGuts*>(getConvertGuts()); }

 protected:
  SoConvertGuts* getNewConvertGuts() const override { return new PoConvertGuts; }

 private:
  void convertToVRML2() {
    PoConvertGutsVRML2 vrml2(guts());
    vrml2.setSettings(getSettings());
    auto* root = new SoVRMLCollision;
    root->collide = FALSE;
    root->addChild(vrml2.convertScenarToVRML2(getIntermediateSceneGraph()));
    setVRML2SceneGraph(root);
  }
};
