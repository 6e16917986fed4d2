// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoConvertGuts.h"

#include <algorithm>
#include <iterator>

#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoFont.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenar/nodes/SoShape.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"
#include "platform/scenar/nodes/SoTranslation.h"
#include "platform/scenar/vrml/SoToVRMLAction.h"

namespace {

struct ClassConverters {
  std::vector<std::pair<SoType, SoConvertGuts::Converter>> converters;
};

ClassConverters& classConverters() {
  static ClassConverters instance;
  return instance;
}

}  // namespace

void SoConvertGuts::setClassConverter(SoType type, Converter converter) {
  if (type.isBad()) return;
  ClassConverters& registry = classConverters();
  for (auto& entry : registry.converters)
    if (entry.first == type) {
      entry.second = converter;
      return;
    }
  registry.converters.emplace_back(type, converter);
}

SoConvertGuts::SoConvertGuts() {
  setConverter(SoNode::getClassTypeId(), convertToEmptyGroup);
  setConverter(SoGroup::getClassTypeId(), convertToGroup);
  setConverter(SoSeparator::getClassTypeId(), convertToSeparator);
  setConverter(SoBaseKit::getClassTypeId(), convertToGroup);
  for (SoType copied :
       {SoTransform::getClassTypeId(), SoTranslation::getClassTypeId(),
        SoCoordinate3::getClassTypeId(), SoFaceSet::getClassTypeId(), SoLineSet::getClassTypeId(),
        SoMaterial::getClassTypeId(), SoLightModel::getClassTypeId(), SoCube::getClassTypeId(),
        SoFont::getClassTypeId(), SoText3::getClassTypeId()})
    setConverter(copied, convertToCopy);
  for (SoType dropped :
       {SoPickStyle::getClassTypeId(), SoCallback::getClassTypeId(), SoCamera::getClassTypeId()})
    setConverter(dropped, convertToNothing);
  ClassConverters& registry = classConverters();
  for (const auto& [type, converter] : registry.converters) setConverter(type, converter);
}

SoConvertGuts::~SoConvertGuts() = default;

void SoConvertGuts::setConverter(SoType type, Converter converter) {
  if (type.isBad()) return;
  for (auto& entry : converters_)
    if (entry.first == type.getKey()) {
      entry.second = converter;
      return;
    }
  converters_.emplace_back(type.getKey(), converter);
}

SoConvertGuts::Converter SoConvertGuts::findConverter(SoType type) const {
  for (SoType t = type; !t.isBad(); t = t.getParent())
    for (const auto& entry : converters_)
      if (entry.first == t.getKey()) return entry.second;
  return nullptr;
}

void SoConvertGuts::beginConversion(SoSeparator* root) {
  endConversion();
  if (root) output_.push_back(root);
}

void SoConvertGuts::endConversion() {
  output_.clear();
  separators_.clear();
  unshareable_ = 0;
}

void SoConvertGuts::convert(SoToVRMLAction* action, SoNode* node) {
  if (output_.empty() || !node) return;
  Converter converter = findConverter(node->getTypeId());
  if (!converter) return;
  if (dependsOnMeeting(converter, node)) ++unshareable_;
  converter(this, action, node);
}

bool SoConvertGuts::dependsOnMeeting(Converter converter, const SoNode* node) {
  static constexpr Converter kOwn[] = {convertToGroup, convertToSeparator, convertToCopy,
                                       convertToNothing, convertToEmptyGroup};
  return std::find(std::begin(kOwn), std::end(kOwn), converter) == std::end(kOwn) ||
         node->isOfType(SoCallback::getClassTypeId());
}

bool SoConvertGuts::mayShare(const SoToVRMLAction* action) {
  int childIndex = -1;
  const SoAction::PathCode code = action->getPathCode(childIndex);
  return (code == SoAction::NO_PATH || code == SoAction::BELOW_PATH) &&
         action->getSettings().shareNodes && !action->hasCallbacks();
}

void SoConvertGuts::addToOutput(SoNode* node) {
  if (!output_.empty() && node) output_.back()->addChild(node);
}

bool SoConvertGuts::isOffPath(const SoToVRMLAction* action) {
  int childIndex = -1;
  return action->getPathCode(childIndex) == SoAction::OFF_PATH;
}

SbBool SoConvertGuts::convertInto(SoGroup* group, SoToVRMLAction* action, SoNode* node) {
  group->ref();
  group->setName(node->getName());
  // Beside an applied path a group draws nothing.
  const bool onPath = !isOffPath(action);
  if (onPath) {
    addToOutput(group);
    output_.push_back(group);
  }
  node->callback(action);
  if (onPath) output_.pop_back();
  group->unref();
  return onPath;
}

void SoConvertGuts::convertToGroup(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node) {
  guts->convertInto(new SoGroup, action, node);
}

void SoConvertGuts::convertToSeparator(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node) {
  const bool shares = mayShare(action);
  if (shares) {
    const auto found = guts->separators_.find(node);
    if (found != guts->separators_.end()) return guts->addToOutput(found->second);
  }
  auto* separator = new SoSeparator;
  const int unshareable = guts->unshareable_;
  if (guts->convertInto(separator, action, node) && shares && guts->unshareable_ == unshareable)
    guts->separators_.emplace(node, separator);
}

void SoConvertGuts::convertToCopy(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node) {
  node->callback(action);
  // Beside an applied path shapes draw nothing; properties still count.
  if (isOffPath(action) && node->isOfType(SoShape::getClassTypeId())) return;
  auto* copy = static_cast<SoNode*>(node->getTypeId().createInstance());
  if (!copy) return convertToEmptyGroup(guts, action, node);
  copy->copyFieldValues(node);
  copy->setName(node->getName());
  guts->addToOutput(copy);
}

void SoConvertGuts::convertToNothing(SoConvertGuts*, SoToVRMLAction* action, SoNode* node) {
  node->callback(action);
}

void SoConvertGuts::convertToEmptyGroup(SoConvertGuts* guts, SoToVRMLAction* action, SoNode* node) {
  if (isOffPath(action)) return;
  auto* group = new SoGroup;
  group->setName(node->getName());
  guts->addToOutput(group);
}
