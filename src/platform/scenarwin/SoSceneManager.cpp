// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoSceneManager.h"

#include "platform/scenar/actions/SoEvent.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/nodes/SoNode.h"

SoSceneManager::SoSceneManager()
    : renderAction_(std::make_unique<SoGLRenderAction>(region_)),
      eventAction_(std::make_unique<SoHandleEventAction>(region_)) {}

SoSceneManager::~SoSceneManager() { setSceneGraph(nullptr); }

void SoSceneManager::setSceneGraph(SoNode* scene) { scene_.reset(scene); }

void SoSceneManager::setWindowSize(const SbVec2s& size) {
  region_.setWindowSize(size);
  renderAction_->setViewportRegion(region_);
  eventAction_->setViewportRegion(region_);
}

void SoSceneManager::render() {
  if (!scene_) return;
  renderAction_->apply(scene_.get());
  ++numRenders_;
}

SbBool SoSceneManager::processEvent(const SoEvent* event) {
  if (!scene_ || event == nullptr) return FALSE;
  eventAction_->setEvent(event);
  eventAction_->apply(scene_.get());
  const SbBool handled = eventAction_->isHandled();
  eventAction_->setEvent(nullptr);
  return handled;
}
