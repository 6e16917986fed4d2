// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoCallbackList.h"

#include <algorithm>

void SoCallbackList::add(Erased function, void* userData, Invoker invoke) {
  if (function) entries_.push_back({function, userData, invoke, nextSerial_++});
}

void SoCallbackList::remove(Erased function, void* userData) {
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.function == function && e.userData == userData;
  });
  if (found != entries_.end()) entries_.erase(found);
}

bool SoCallbackList::contains(const Entry& entry) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.serial == entry.serial; });
}

void SoCallbackList::invokeCallbacks(void* callbackData) {
  std::vector<Entry> current = entries_;
  for (const Entry& entry : current)
    if (contains(entry)) entry.invoke(entry.function, entry.userData, callbackData);
}
