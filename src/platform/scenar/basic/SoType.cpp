#include "platform/scenar/basic/SoType.h"

#include <atomic>
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

// The parent key of every type, read without a lock: actions ask for their
// type's ancestry on every node they traverse. A key's slot is written before
// the key is handed out and never changes; chunks are made on demand and
// never move.
class ParentTable {
 public:
  ~ParentTable() {
    for (auto& chunk : chunks_) delete[] chunk.load(std::memory_order_relaxed);
  }
  // Called under the registry's lock; false when the table is full.
  bool set(int key, int parent) {
    const auto index = static_cast<std::size_t>(key) / kChunkSize;
    if (index >= kMaxChunks) return false;
    std::atomic<int>* chunk = chunks_[index].load(std::memory_order_relaxed);
    if (!chunk) {
      chunk = new std::atomic<int>[kChunkSize];
      chunks_[index].store(chunk, std::memory_order_release);
    }
    chunk[static_cast<std::size_t>(key) % kChunkSize].store(parent, std::memory_order_release);
    return true;
  }
  // The parent of a key handed out by createType.
  int parentOf(int key) const {
    const std::atomic<int>* chunk =
        chunks_[static_cast<std::size_t>(key) / kChunkSize].load(std::memory_order_acquire);
    return chunk[static_cast<std::size_t>(key) % kChunkSize].load(std::memory_order_acquire);
  }

 private:
  static constexpr std::size_t kChunkSize = 1024;
  static constexpr std::size_t kMaxChunks = 4096;
  std::atomic<std::atomic<int>*> chunks_[kMaxChunks] = {};
};

struct Registry {
  std::mutex mutex;
  std::vector<Entry> entries;  // indexed by key; removed types keep their slot
  std::unordered_map<std::string, int> byName;
  ParentTable parents;
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
  if (!r.parents.set(key, parent.key_)) return SoType();
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
  return isBad() ? SoType() : SoType(registry().parents.parentOf(key_));
}

bool SoType::isStrictlyDerivedFrom(SoType parent) const {
  if (parent.isBad() || isBad()) return false;
  const ParentTable& parents = registry().parents;
  for (int key = parents.parentOf(key_); key >= 0; key = parents.parentOf(key))
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
