// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoModule.h"

#include <algorithm>

namespace {

struct Registry {
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
  r.modules.push_back(this);
}

SoModule::~SoModule() {
  Registry& r = registry();
  r.modules.erase(std::remove(r.modules.begin(), r.modules.end(), this), r.modules.end());
}

std::vector<const SoModule*> SoModule::getModules() {
  Registry& r = registry();
  return r.modules;
}

const SoModule* SoModule::find(const char* fileName) {
  for (const SoModule* m : getModules())
    if (m->getFileName() == fileName) return m;
  return nullptr;
}
