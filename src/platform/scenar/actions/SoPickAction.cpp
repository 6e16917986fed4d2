// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoPickAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoPickAction, SoAction)

void SoPickAction::initClass() {
  SO_ACTION_INIT_CLASS(SoPickAction, SoAction, "PickAction", SO_ACTION_CALLS(SoPickAction, pick));
  scenar::detail::enableViewingElements(&enableElement);
}

void SoPickAction::beginTraversal(SoNode* node) {
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}
