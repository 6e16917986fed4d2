// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoToVRMLAction.h"

#include <cmath>
#include <numbers>

#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/vrml/SoConvertGuts.h"

SO_ACTION_SOURCE(SoToVRMLAction, SoCallbackAction)

void SoToVRMLAction::initClass() {
  SO_ACTION_INIT_CLASS(SoToVRMLAction, SoCallbackAction, "ToVRMLAction", nullptr);
}

SoToVRMLAction::SoToVRMLAction() = default;

SoToVRMLAction::SoToVRMLAction(const SoToVRMLAction& other)
    : SoCallbackAction(), settings_(other.settings_) {}

SoToVRMLAction& SoToVRMLAction::operator=(const SoToVRMLAction& other) {
  settings_ = other.settings_;
  return *this;
}

SoToVRMLAction::~SoToVRMLAction() = default;

void SoToVRMLAction::setCreaseAngle(float angle) {
  settings_.creaseAngle = angle >= 0.0f ? std::fmin(angle, std::numbers::pi_v<float>) : 0.0f;
}

SoConvertGuts* SoToVRMLAction::getNewConvertGuts() const { return new SoConvertGuts; }

void SoToVRMLAction::traverseNode(SoNode* node) {
  if (guts_) guts_->convert(this, node);
}

void SoToVRMLAction::runFirstPass(const std::function<void()>& traversal) {
  // What the last apply left goes once this one is done: it may hold what
  // this one is applied to.
  std::unique_ptr<SoConvertGuts> previous = std::move(guts_);
  guts_.reset(getNewConvertGuts());
  if (!guts_) guts_ = std::make_unique<SoConvertGuts>();
  SoRef root(new SoSeparator);
  guts_->beginConversion(root.get());
  traversal();
  guts_->endConversion();
  intermediate_ = std::move(root);
}

void SoToVRMLAction::apply(SoNode* node) {
  runFirstPass([&] { SoCallbackAction::apply(node); });
}

void SoToVRMLAction::apply(SoPath* path) {
  runFirstPass([&] { SoCallbackAction::apply(path); });
}

void SoToVRMLAction::apply(const SoPathList& paths, SbBool obeysRules) {
  runFirstPass([&] { SoCallbackAction::apply(paths, obeysRules); });
}
