// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"

#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoGetBoundingBoxAction, SoAction)

void SoGetBoundingBoxAction::initClass() {
  SO_ACTION_INIT_CLASS(SoGetBoundingBoxAction, SoAction, "GetBoundingBoxAction",
                       SO_ACTION_CALLS(SoGetBoundingBoxAction, getBoundingBox));
  scenar::detail::enableViewingElements(&enableElement);
}

SoGetBoundingBoxAction::SoGetBoundingBoxAction(const SbViewportRegion& region) : region_(region) {}

void SoGetBoundingBoxAction::beginTraversal(SoNode* node) {
  box_.makeEmpty();
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}

void SoGetBoundingBoxAction::extendBy(const SbBox3f& objectBox) {
  if (objectBox.isEmpty()) return;
  SbBox3f world = objectBox;
  world.transform(SoModelMatrixElement::get(getState()));
  box_.extendBy(world);
}
