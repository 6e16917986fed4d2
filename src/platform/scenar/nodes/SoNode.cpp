// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoNode.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

#include "platform/scenar/fields/SoFieldData.h"

SoType SoNode::classTypeId_;

namespace {

// Below this many a list of auditors is searched; from it on it is indexed.
constexpr std::size_t kIndexedAuditors = 16;

}  // namespace

struct SoNode::AuditorIndex {
  std::unordered_map<const SoNodeAuditor*, std::size_t> slots;
};

void SoNode::initClass() {
  if (classTypeId_.isBad())
    classTypeId_ = SoType::createType(SoFieldContainer::getClassTypeId(), "Node");
}

const SoFieldData* SoNode::getClassFieldData() {
  static const SoFieldData empty;
  return &empty;
}

SoNode::~SoNode() {
  // Auditors detach themselves in nodeDying; take them from a copy.
  const std::vector<SoNodeAuditor*> dying = auditors_;
  for (SoNodeAuditor* auditor : dying)
    if (auditor && hasAuditor(auditor)) auditor->nodeDying(this);
  delete auditorIndex_;
}

bool SoNode::hasAuditor(const SoNodeAuditor* auditor) const {
  if (auditorIndex_) return auditorIndex_->slots.contains(auditor);
  return std::find(auditors_.begin(), auditors_.end(), auditor) != auditors_.end();
}

void SoNode::addAuditor(SoNodeAuditor* auditor) {
  if (!auditor || hasAuditor(auditor)) return;
  auditors_.push_back(auditor);
  ++numAuditors_;
  if (auditorIndex_)
    auditorIndex_->slots.emplace(auditor, auditors_.size() - 1);
  else if (auditors_.size() >= kIndexedAuditors)
    compactAuditors();
}

void SoNode::removeAuditor(SoNodeAuditor* auditor) {
  if (!auditorIndex_) {
    const auto found = std::find(auditors_.begin(), auditors_.end(), auditor);
    if (found == auditors_.end()) return;
    auditors_.erase(found);
    --numAuditors_;
    return;
  }
  const auto found = auditorIndex_->slots.find(auditor);
  if (found == auditorIndex_->slots.end()) return;
  auditors_[found->second] = nullptr;
  auditorIndex_->slots.erase(found);
  --numAuditors_;
  const std::size_t holes = auditors_.size() - static_cast<std::size_t>(numAuditors_);
  if (holes > static_cast<std::size_t>(numAuditors_)) compactAuditors();
}

void SoNode::compactAuditors() {
  std::erase(auditors_, nullptr);
  if (auditors_.size() < kIndexedAuditors / 2) {
    delete auditorIndex_;
    auditorIndex_ = nullptr;
    return;
  }
  if (!auditorIndex_) auditorIndex_ = new AuditorIndex;
  auditorIndex_->slots.clear();
  for (std::size_t i = 0; i < auditors_.size(); ++i) auditorIndex_->slots.emplace(auditors_[i], i);
}

void SoNode::notify(SoField* field) {
  if (!isNotifyEnabled() || numAuditors_ == 0) return;
  // An auditor may attach or detach auditors while it runs: call those of the
  // moment that are still there when their turn comes. The node stays alive
  // meanwhile; if an auditor dropped its last reference, it goes afterwards.
  const bool referenced = getRefCount() > 0;
  ref();
  const std::vector<SoNodeAuditor*> current = auditors_;
  for (SoNodeAuditor* auditor : current)
    if (auditor && hasAuditor(auditor)) auditor->nodeChanged(this, field);
  if (referenced)
    unref();
  else
    unrefNoDelete();
}
