#include "platform/scenar/basic/SoModule.h"

#include <algorithm>
#include <mutex>

namespace {

struct Registry {
  std::mutex mutex;
  std::vector<const SoModule*> modules;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

SoModule::SoModule(const char* fileName, const char* version, const char* buildText)
    : fileName_(fileName), version_(version), buildText_(buildText) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.modules.push_back(this);
}

SoModule::~SoModule() {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.modules.erase(std::remove(r.modules.begin(), r.modules.end(), this), r.modules.end());
}

std::vector<const SoModule*> SoModule::getModules() {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  return r.modules;
}

const SoModule* SoModule::find(const char* fileName) {
  for (const SoModule* m : getModules())
    if (m->getFileName() == fileName) return m;
  return nullptr;
}
