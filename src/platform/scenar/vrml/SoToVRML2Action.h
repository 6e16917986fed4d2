// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/vrml/SoToVRMLAction.h"

class SoVRMLGroup;

// Converts a scene to a VRML 2.0 scene graph: the first pass of
// SoToVRMLAction, then the VRML 2.0 pass (SoConvertGutsVRML2) with the
// action's settings. The result's root is a Group whose one child is the
// converted scene, a Group beginning with the world's WorldInfo and
// NavigationInfo, then what the scene converts to.
class SoToVRML2Action : public SoToVRMLAction {
  SO_ACTION_HEADER(SoToVRML2Action);

 public:
  SoToVRML2Action();
  // A copy, or an assignment, takes the settings alone, never the result.
  SoToVRML2Action(const SoToVRML2Action& other);
  SoToVRML2Action& operator=(const SoToVRML2Action& other);
  ~SoToVRML2Action() override;

  void apply(SoNode* node) override;
  void apply(SoPath* path) override;
  void apply(const SoPathList& paths, SbBool obeysRules = FALSE) override;

  // The root of the graph the last apply made, referenced by the action
  // until the next apply or its end; nullptr before the first apply.
  SoVRMLGroup* getVRML2SceneGraph() const { return vrml2Root_.get(); }

 protected:
  // Makes root the result, referencing it, and releases the previous one.
  void setVRML2SceneGraph(SoVRMLGroup* root);

 private:
  // The VRML 2.0 pass over the intermediate graph of the first.
  void convertToVRML2();

  SoRef<SoVRMLGroup> vrml2Root_;
};
