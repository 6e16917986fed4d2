#include "platform/scenar/actions/SoGetMatrixAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoNode.h"

SoType SoGetMatrixAction::classTypeId_;

SoAction::MethodList& SoGetMatrixAction::methods() {
  static MethodList list;
  return list;
}

void SoGetMatrixAction::initClass() {
  if (!classTypeId_.isBad()) return;
  SoAction::initClass();
  classTypeId_ = SoType::createType(SoAction::getClassTypeId(), "GetMatrixAction");
  methods().addMethod(SoNode::getClassTypeId(), callGetMatrix);
}

SoGetMatrixAction::SoGetMatrixAction(const SbViewportRegion& region) : region_(region) {}

const std::vector<int>& SoGetMatrixAction::getEnabledElements() const {
  static const std::vector<int> enabled = scenar::detail::viewingElements();
  return enabled;
}

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
  // A separator's children only count when the path leads through it.
  const bool keepsToItself = node->isOfType(SoSeparator::getClassTypeId()) && code != IN_PATH;
  if (!keepsToItself) node->getMatrix(self);
  if (code == BELOW_PATH) self->setTerminated(true);
}
