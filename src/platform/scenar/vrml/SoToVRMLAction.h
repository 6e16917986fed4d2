// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <memory>

#include "platform/scenar/actions/SoCallbackAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/vrml/SoVRMLConversionSettings.h"

class SoConvertGuts;
class SoSeparator;

// The first pass of the conversion of a scene to VRML 2.0: a traversal that
// keeps the state (SoCallbackAction) and hands every node it meets to its
// worker (SoConvertGuts), which builds an intermediate scene graph of the
// toolkit's basic classes, a separator. SoToVRML2Action adds the VRML 2.0
// pass; this class holds the six settings of that pass.
//
// Each apply gets a new worker from getNewConvertGuts, which a subclass
// overrides to have classes of its own converted; the action owns the worker
// and keeps it, with the intermediate graph, until the next apply or its own
// end. A copy of the action, or an assignment, takes the settings alone:
// neither the traversal state, the callbacks nor the results.
class SoToVRMLAction : public SoCallbackAction {
  SO_ACTION_HEADER(SoToVRMLAction);

 public:
  SoToVRMLAction();
  SoToVRMLAction(const SoToVRMLAction& other);
  SoToVRMLAction& operator=(const SoToVRMLAction& other);
  ~SoToVRMLAction() override;

  void apply(SoNode* node) override;
  void apply(SoPath* path) override;
  void apply(const SoPathList& paths, SbBool obeysRules = FALSE) override;

  // The intermediate graph of the last apply (empty when it was given
  // nothing); nullptr before the first.
  SoSeparator* getIntermediateSceneGraph() const { return intermediate_.get(); }

  // The settings (see SoVRMLConversionSettings).
  void setWorldTitle(const SbString& title) { settings_.worldTitle = title; }
  const SbString& getWorldTitle() const { return settings_.worldTitle; }
  void setNavigationType(const SbString& type) { settings_.navigationType = type; }
  const SbString& getNavigationType() const { return settings_.navigationType; }
  void setHeadlight(SbBool on) { settings_.headlight = on ? TRUE : FALSE; }
  SbBool getHeadlight() const { return settings_.headlight; }
  void setSolidFaces(SbBool solid) { settings_.solidFaces = solid ? TRUE : FALSE; }
  SbBool getSolidFaces() const { return settings_.solidFaces; }
  // Clamped to [0, pi]; a value that is not a number gives 0.
  void setCreaseAngle(float angle);
  float getCreaseAngle() const { return settings_.creaseAngle; }
  void setShareNodes(SbBool share) { settings_.shareNodes = share ? TRUE : FALSE; }
  SbBool getShareNodes() const { return settings_.shareNodes; }
  // All six, to hand to a VRML 2.0 worker.
  const SoVRMLConversionSettings& getSettings() const { return settings_; }

 protected:
  // A new first-pass worker; the action owns it from then on.
  virtual SoConvertGuts* getNewConvertGuts() const;
  // The worker of the last apply; nullptr before the first.
  SoConvertGuts* getConvertGuts() const { return guts_.get(); }
  // Hands node to the worker.
  void traverseNode(SoNode* node) override;

 private:
  // Runs traversal, the callback action's apply, as a first pass with a new
  // worker into a new intermediate graph.
  void runFirstPass(const std::function<void()>& traversal);

  std::unique_ptr<SoConvertGuts> guts_;
  SoRef<SoSeparator> intermediate_;
  SoVRMLConversionSettings settings_;
};
