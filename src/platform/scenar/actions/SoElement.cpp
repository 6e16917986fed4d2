// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoElement.h"

#include <vector>

namespace {

struct ElementClass {
  const char* name;
  SoElement::CreateMethod create;
};

struct Registry {
  std::vector<ElementClass> classes;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

SoType SoElement::classTypeId_;

void SoElement::initClass() { registerType(classTypeId_, SoType::badType(), "Element"); }

void SoElement::registerType(SoType& slot, SoType parent, const char* name) {
  if (slot.isBad()) slot = SoType::createType(parent, name);
}

int SoElement::registerClass(const char* name, CreateMethod create) {
  Registry& r = registry();
  r.classes.push_back({name, create});
  return static_cast<int>(r.classes.size()) - 1;
}

int SoElement::getNumStackIndices() {
  Registry& r = registry();
  return static_cast<int>(r.classes.size());
}

SoElement::CreateMethod SoElement::getCreateMethod(int stackIndex) {
  Registry& r = registry();
  if (stackIndex < 0 || stackIndex >= static_cast<int>(r.classes.size())) return nullptr;
  return r.classes[static_cast<std::size_t>(stackIndex)].create;
}

const char* SoElement::getClassName(int stackIndex) {
  Registry& r = registry();
  if (stackIndex < 0 || stackIndex >= static_cast<int>(r.classes.size())) return "";
  return r.classes[static_cast<std::size_t>(stackIndex)].name;
}
