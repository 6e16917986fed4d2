// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoHandleEventAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoHandleEventAction, SoAction)

void SoHandleEventAction::initClass() {
  SO_ACTION_INIT_CLASS(SoHandleEventAction, SoAction, "HandleEventAction",
                       SO_ACTION_CALLS(SoHandleEventAction, handleEvent));
  scenar::detail::enableViewingElements(&enableElement);
}

SoHandleEventAction::SoHandleEventAction(const SbViewportRegion& region) : region_(region) {}

void SoHandleEventAction::beginTraversal(SoNode* node) {
  handled_ = false;
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}
