#include "platform/scenar/actions/SoElement.h"

#include <mutex>
#include <vector>

namespace {

struct ElementClass {
  const char* name;
  SoElement::CreateMethod create;
};

struct Registry {
  std::mutex mutex;
  std::vector<ElementClass> classes;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

SoType SoElement::classTypeId_;

namespace {
std::mutex& typeMutex() {
  static std::mutex mutex;
  return mutex;
}
}  // namespace

void SoElement::initClass() { registerType(classTypeId_, SoType::badType(), "Element"); }

void SoElement::registerType(SoType& slot, SoType parent, const char* name) {
  std::lock_guard<std::mutex> lock(typeMutex());
  if (slot.isBad()) slot = SoType::createType(parent, name);
}

int SoElement::registerClass(const char* name, CreateMethod create) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.classes.push_back({name, create});
  return static_cast<int>(r.classes.size()) - 1;
}

int SoElement::getNumStackIndices() {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  return static_cast<int>(r.classes.size());
}

SoElement::CreateMethod SoElement::getCreateMethod(int stackIndex) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (stackIndex < 0 || stackIndex >= static_cast<int>(r.classes.size())) return nullptr;
  return r.classes[static_cast<std::size_t>(stackIndex)].create;
}

const char* SoElement::getClassName(int stackIndex) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (stackIndex < 0 || stackIndex >= static_cast<int>(r.classes.size())) return "";
  return r.classes[static_cast<std::size_t>(stackIndex)].name;
}
