#include "platform/scenar/actions/SoGetBoundingBoxAction.h"

#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SoType SoGetBoundingBoxAction::classTypeId_;

SoAction::MethodList& SoGetBoundingBoxAction::methods() {
  static MethodList list;
  return list;
}

void SoGetBoundingBoxAction::initClass() {
  if (!classTypeId_.isBad()) return;
  SoAction::initClass();
  classTypeId_ = SoType::createType(SoAction::getClassTypeId(), "GetBoundingBoxAction");
  methods().addMethod(SoNode::getClassTypeId(), [](SoAction* action, SoNode* node) {
    node->getBoundingBox(static_cast<SoGetBoundingBoxAction*>(action));
  });
}

SoGetBoundingBoxAction::SoGetBoundingBoxAction(const SbViewportRegion& region) : region_(region) {}

const std::vector<int>& SoGetBoundingBoxAction::getEnabledElements() const {
  static const std::vector<int> enabled = scenar::detail::viewingElements();
  return enabled;
}

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
