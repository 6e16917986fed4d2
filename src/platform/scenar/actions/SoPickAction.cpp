#include "platform/scenar/actions/SoPickAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SoType SoPickAction::classTypeId_;

SoAction::MethodList& SoPickAction::methods() {
  static MethodList list;
  return list;
}

void SoPickAction::initClass() {
  if (!classTypeId_.isBad()) return;
  SoAction::initClass();
  classTypeId_ = SoType::createType(SoAction::getClassTypeId(), "PickAction");
  methods().addMethod(SoNode::getClassTypeId(), [](SoAction* action, SoNode* node) {
    node->pick(static_cast<SoPickAction*>(action));
  });
}

const std::vector<int>& SoPickAction::getEnabledElements() const {
  static const std::vector<int> enabled = scenar::detail::viewingElements();
  return enabled;
}

void SoPickAction::beginTraversal(SoNode* node) {
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}
