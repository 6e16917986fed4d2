#include "platform/scenar/actions/SoHandleEventAction.h"

#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SoType SoHandleEventAction::classTypeId_;

SoAction::MethodList& SoHandleEventAction::methods() {
  static MethodList list;
  return list;
}

void SoHandleEventAction::initClass() {
  if (!classTypeId_.isBad()) return;
  SoAction::initClass();
  classTypeId_ = SoType::createType(SoAction::getClassTypeId(), "HandleEventAction");
  methods().addMethod(SoNode::getClassTypeId(), [](SoAction* action, SoNode* node) {
    node->handleEvent(static_cast<SoHandleEventAction*>(action));
  });
}

SoHandleEventAction::SoHandleEventAction(const SbViewportRegion& region) : region_(region) {}

const std::vector<int>& SoHandleEventAction::getEnabledElements() const {
  static const std::vector<int> enabled = scenar::detail::viewingElements();
  return enabled;
}

void SoHandleEventAction::beginTraversal(SoNode* node) {
  handled_ = false;
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}
