// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoGetMatrixAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoGetMatrixAction, SoAction)

void SoGetMatrixAction::initClass() {
  SO_ACTION_INIT_CLASS(SoGetMatrixAction, SoAction, "GetMatrixAction", callGetMatrix);
  scenar::detail::enableViewingElements(&enableElement);
}

SoGetMatrixAction::SoGetMatrixAction(const SbViewportRegion& region) : region_(region) {}

void SoGetMatrixAction::beginTraversal(SoNode* node) {
  matrix_.makeIdentity();
  inverse_.makeIdentity();
  tailReached_ = false;
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}

void SoGetMatrixAction::mult(const SbMatrix& matrix, const SbMatrix& inverse) {
  matrix_.multLeft(matrix);
  inverse_.multRight(inverse);
}

void SoGetMatrixAction::callGetMatrix(SoAction* action, SoNode* node) {
  auto* self = static_cast<SoGetMatrixAction*>(action);
  int childIndex = -1;
  const PathCode code = self->getPathCode(childIndex);
  // The first node below the applied path is its tail; nothing under it counts.
  if (code == BELOW_PATH) {
    if (self->tailReached_) return;
    self->tailReached_ = true;
  }
  node->getMatrix(self);
  if (code == BELOW_PATH) self->setTerminated(true);
}
