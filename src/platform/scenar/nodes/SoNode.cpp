// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoNode.h"

#include <algorithm>

#include "platform/scenar/fields/SoFieldData.h"

SoType SoNode::classTypeId_;

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
  std::vector<SoNodeAuditor*> dying = auditors_;
  for (SoNodeAuditor* auditor : dying)
    if (std::find(auditors_.begin(), auditors_.end(), auditor) != auditors_.end())
      auditor->nodeDying(this);
}

void SoNode::addAuditor(SoNodeAuditor* auditor) {
  if (auditor && std::find(auditors_.begin(), auditors_.end(), auditor) == auditors_.end())
    auditors_.push_back(auditor);
}

void SoNode::removeAuditor(SoNodeAuditor* auditor) {
  auditors_.erase(std::remove(auditors_.begin(), auditors_.end(), auditor), auditors_.end());
}

void SoNode::notify(SoField* field) {
  if (!isNotifyEnabled() || auditors_.empty()) return;
  // An auditor may attach or detach auditors while it runs: call those of the
  // moment that are still there when their turn comes. The node stays alive
  // meanwhile; if an auditor dropped its last reference, it goes afterwards.
  const bool referenced = getRefCount() > 0;
  ref();
  std::vector<SoNodeAuditor*> current = auditors_;
  for (SoNodeAuditor* auditor : current)
    if (std::find(auditors_.begin(), auditors_.end(), auditor) != auditors_.end())
      auditor->nodeChanged(this, field);
  if (referenced)
    unref();
  else
    unrefNoDelete();
}
