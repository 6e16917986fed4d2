#include "platform/scenar/basic/SoType.h"

#include <mutex>
#include <string>
#include <unordered_map>

namespace {

struct Entry {
  SbName name;
  int parent;
  SoType::CreateMethod create;
  bool live;
};

struct Registry {
  std::mutex mutex;
  std::vector<Entry> entries;  // indexed by key; removed types keep their slot
  std::unordered_map<std::string, int> byName;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

SoType SoType::createType(SoType parent, const SbName& name, CreateMethod create) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (!name || r.byName.count(name.getString()) != 0) return SoType();
  if (!parent.isBad() && (parent.key_ >= static_cast<int>(r.entries.size()) ||
                          !r.entries[static_cast<std::size_t>(parent.key_)].live))
    return SoType();
  int key = static_cast<int>(r.entries.size());
  r.entries.push_back({name, parent.key_, create, true});
  r.byName.emplace(name.getString(), key);
  return SoType(key);
}

void SoType::removeType(SoType type) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (type.isBad() || type.key_ >= static_cast<int>(r.entries.size())) return;
  Entry& e = r.entries[static_cast<std::size_t>(type.key_)];
  if (!e.live) return;
  e.live = false;
  r.byName.erase(e.name.getString());
}

SoType SoType::fromName(const SbName& name) {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto found = r.byName.find(name.getString());
  return found == r.byName.end() ? SoType() : SoType(found->second);
}

std::vector<SoType> SoType::getAllDerivedFrom(SoType type) {
  std::vector<SoType> result;
  int count;
  {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    count = static_cast<int>(r.entries.size());
  }
  for (int key = 0; key < count; ++key) {
    SoType candidate(key);
    if (candidate.getName().getLength() > 0 && fromName(candidate.getName()) == candidate &&
        candidate.isDerivedFrom(type))
      result.push_back(candidate);
  }
  return result;
}

SbName SoType::getName() const {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (isBad() || key_ >= static_cast<int>(r.entries.size())) return SbName("");
  return r.entries[static_cast<std::size_t>(key_)].name;
}

SoType SoType::getParent() const {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (isBad() || key_ >= static_cast<int>(r.entries.size())) return SoType();
  return SoType(r.entries[static_cast<std::size_t>(key_)].parent);
}

bool SoType::isDerivedFrom(SoType parent) const {
  if (parent.isBad()) return false;
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  for (int key = key_; key >= 0 && key < static_cast<int>(r.entries.size());
       key = r.entries[static_cast<std::size_t>(key)].parent)
    if (key == parent.key_) return true;
  return false;
}

bool SoType::canCreateInstance() const {
  Registry& r = registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (isBad() || key_ >= static_cast<int>(r.entries.size())) return false;
  const Entry& e = r.entries[static_cast<std::size_t>(key_)];
  return e.live && e.create != nullptr;
}

void* SoType::createInstance() const {
  CreateMethod create = nullptr;
  {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (isBad() || key_ >= static_cast<int>(r.entries.size())) return nullptr;
    const Entry& e = r.entries[static_cast<std::size_t>(key_)];
    if (e.live) create = e.create;
  }
  return create ? create() : nullptr;
}
