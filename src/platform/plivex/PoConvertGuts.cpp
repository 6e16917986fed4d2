// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoConvertGuts.h"

#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"

PoConvertGuts::PoConvertGuts(bool leavesViewsEmpty) : leavesViewsEmpty_(leavesViewsEmpty) {
  // The view class belongs to a module the plotting library does not know:
  // it is found by name, and is converted as a kit when not registered.
  setConverter(SoType::fromName("PoSceneView"), convertSceneView);
}

PoConvertGuts::~PoConvertGuts() { forgetSceneViews(); }

void PoConvertGuts::beginConversion(SoSeparator* root) {
  forgetSceneViews();
  SoConvertGuts::beginConversion(root);
}

void PoConvertGuts::forgetSceneViews() {
  for (const SceneView& entry : views_) {
    entry.view->unref();
    entry.standIn->unref();
    if (entry.group) entry.group->unref();
  }
  views_.clear();
  byStandIn_.clear();
}

SoBaseKit* PoConvertGuts::getSceneView(int index) const {
  return index >= 0 && index < getNumSceneViews() ? views_[static_cast<std::size_t>(index)].view
                                                  : nullptr;
}

SoVRMLGroup* PoConvertGuts::getSceneViewGroup(int index) const {
  return index >= 0 && index < getNumSceneViews() ? views_[static_cast<std::size_t>(index)].group
                                                  : nullptr;
}

void PoConvertGuts::setSceneViewGroup(const SoNode* from, SoVRMLGroup* group) {
  const auto found = byStandIn_.find(from);
  if (found == byStandIn_.end()) return;
  SoVRMLGroup*& recorded = views_[found->second].group;
  if (group) group->ref();
  if (recorded) recorded->unref();
  recorded = group;
}

void PoConvertGuts::convertSceneView(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node) {
  auto* self = static_cast<PoConvertGuts*>(guts);
  auto* view = dynamic_cast<SoBaseKit*>(node);
  if (!view) return convertToEmptyGroup(guts, action, node);
  auto* standIn = new SoSeparator;
  // Recorded when met, so that a view inside another comes after it.
  const bool onPath = !isOffPath(action);
  if (onPath) {
    view->ref();
    standIn->ref();
    self->byStandIn_[standIn] = self->views_.size();
    self->views_.push_back({view, standIn, nullptr});
  }
  if (!self->leavesViewsEmpty_ || !onPath) return void(self->convertInto(standIn, action, node));
  standIn->setName(node->getName());
  self->addToOutput(standIn);
}
