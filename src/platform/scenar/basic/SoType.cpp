// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoType.h"

#include <string>
#include <unordered_map>

namespace {

struct Entry {
  SbName name;
  int parent;
  SoType::CreateMethod create;
  bool live;
};

// No lock: types are registered and read in the GUI thread (see SoType.h).
struct Registry {
  std::vector<Entry> entries;  // indexed by key; removed types keep their slot
  std::unordered_map<std::string, int> byName;

  // The entry of a key handed out by createType, nullptr for any other.
  const Entry* find(int key) const {
    return key >= 0 && key < static_cast<int>(entries.size())
               ? &entries[static_cast<std::size_t>(key)]
               : nullptr;
  }
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

SoType SoType::createType(SoType parent, const SbName& name, CreateMethod create) {
  Registry& r = registry();
  if (!name || r.byName.count(name.getString()) != 0) return SoType();
  if (!parent.isBad()) {
    const Entry* p = r.find(parent.key_);
    if (!p || !p->live) return SoType();
  }
  const int key = static_cast<int>(r.entries.size());
  r.entries.push_back({name, parent.key_, create, true});
  r.byName.emplace(name.getString(), key);
  return SoType(key);
}

void SoType::removeType(SoType type) {
  Registry& r = registry();
  if (type.isBad() || type.key_ >= static_cast<int>(r.entries.size())) return;
  Entry& e = r.entries[static_cast<std::size_t>(type.key_)];
  if (!e.live) return;
  e.live = false;
  r.byName.erase(e.name.getString());
}

SoType SoType::fromName(const SbName& name) {
  const Registry& r = registry();
  auto found = r.byName.find(name.getString());
  return found == r.byName.end() ? SoType() : SoType(found->second);
}

std::vector<SoType> SoType::getAllDerivedFrom(SoType type) {
  std::vector<SoType> result;
  const Registry& r = registry();
  for (int key = 0; key < static_cast<int>(r.entries.size()); ++key)
    if (r.entries[static_cast<std::size_t>(key)].live && SoType(key).isDerivedFrom(type))
      result.push_back(SoType(key));
  return result;
}

SbName SoType::getName() const {
  const Entry* e = registry().find(key_);
  return e ? e->name : SbName("");
}

SoType SoType::getParent() const {
  const Entry* e = registry().find(key_);
  return e ? SoType(e->parent) : SoType();
}

bool SoType::isStrictlyDerivedFrom(SoType parent) const {
  if (parent.isBad() || isBad()) return false;
  const std::vector<Entry>& entries = registry().entries;
  for (int key = entries[static_cast<std::size_t>(key_)].parent; key >= 0;
       key = entries[static_cast<std::size_t>(key)].parent)
    if (key == parent.key_) return true;
  return false;
}

bool SoType::canCreateInstance() const {
  const Entry* e = registry().find(key_);
  return e && e->live && e->create != nullptr;
}

void* SoType::createInstance() const {
  const Entry* e = registry().find(key_);
  return e && e->live && e->create ? e->create() : nullptr;
}
