// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "platform/scenar/vrml/SoConvertGuts.h"

class SoBaseKit;
class SoNode;
class SoSeparator;
class SoVRMLGroup;

// Plivex's worker of the first conversion pass (see SoToVRMLAction).
//
// Plotting nodes (PoBase) convert with any worker, since PoBase registers
// their converter with the toolkit's conversion: a group holding what the
// node's geometry converts to, the geometry made again first if it is stale,
// unless rebuilding is blocked, when the geometry the node has is converted
// as it stands. This worker moreover converts scene views: a separator
// holding what the view's parts convert to, recorded with the view.
//
// A scene view is a node kit of the class registered as "PoSceneView" when
// the worker is made (or of a class derived from it): the plotting library
// knows views by that name alone. The VRML 2.0 pass (PoConvertGutsVRML2)
// tells the worker which VRML group it made of each view's separator, so
// that after it each recorded view has the group that stands for it in the
// converted graph. The worker holds a reference on every view and node it
// records, until the next conversion or its end.
//
// A worker made to leave views empty records each view with a separator
// that holds nothing, its parts not traversed: for a caller that fills each
// view's group itself, which spares converting what it would throw away.
class PoConvertGuts : public SoConvertGuts {
 public:
  explicit PoConvertGuts(bool leavesViewsEmpty = false);
  ~PoConvertGuts() override;

  // Forgets the views of the conversion before.
  void beginConversion(SoSeparator* root) override;

  // The scene views the conversion met, in traversal order, a view met
  // twice listed twice; nullptr outside the list.
  int getNumSceneViews() const { return static_cast<int>(views_.size()); }
  SoBaseKit* getSceneView(int index) const;
  // The VRML group that stands for the view at index in the converted
  // graph; nullptr before the VRML 2.0 pass and outside the list.
  SoVRMLGroup* getSceneViewGroup(int index) const;
  // Makes group the VRML group of the view whose separator in the
  // intermediate graph is from; nothing when from stands for no view.
  void setSceneViewGroup(const SoNode* from, SoVRMLGroup* group);

 private:
  struct SceneView {
    SoBaseKit* view;       // referenced
    SoSeparator* standIn;  // in the intermediate graph, referenced
    SoVRMLGroup* group;    // referenced, nullptr until the VRML 2.0 pass
  };
  static void convertSceneView(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node);
  void forgetSceneViews();

  bool leavesViewsEmpty_;
  std::vector<SceneView> views_;
  std::unordered_map<const SoNode*, std::size_t> byStandIn_;  // index into views_
};
