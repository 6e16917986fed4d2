// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoEnabledElementsList.h"

#include <algorithm>

namespace {
int counter = 0;
}  // namespace

int SoEnabledElementsList::getCounter() { return counter; }

SbBool SoEnabledElementsList::enable(SoType elementType, int stackIndex) {
  if (elementType.isBad() || stackIndex < 0) return FALSE;
  if (std::find(own_.begin(), own_.end(), stackIndex) == own_.end()) {
    own_.push_back(stackIndex);
    ++counter;
  }
  return TRUE;
}

void SoEnabledElementsList::clear() {
  if (own_.empty()) return;
  own_.clear();
  ++counter;
}

const std::vector<int>& SoEnabledElementsList::getElements() const {
  const int now = getCounter();
  if (mergedAt_ == now) return merged_;
  merged_ = own_;
  for (const SoEnabledElementsList* list = parent_; list; list = list->parent_)
    merged_.insert(merged_.end(), list->own_.begin(), list->own_.end());
  std::sort(merged_.begin(), merged_.end());
  merged_.erase(std::unique(merged_.begin(), merged_.end()), merged_.end());
  mergedAt_ = now;
  return merged_;
}

SbBool SoEnabledElementsList::isEnabled(int stackIndex) const {
  const std::vector<int>& elements = getElements();
  return std::binary_search(elements.begin(), elements.end(), stackIndex);
}
