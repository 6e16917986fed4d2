#include "platform/scenar/SoCallbackList.h"

#include <algorithm>

void SoCallbackList::addCallback(SoCallbackListCB* function, void* userData) {
  if (function) entries_.push_back({function, userData});
}

void SoCallbackList::removeCallback(SoCallbackListCB* function, void* userData) {
  auto found = std::find(entries_.begin(), entries_.end(), Entry{function, userData});
  if (found != entries_.end()) entries_.erase(found);
}

void SoCallbackList::invokeCallbacks(void* callbackData) {
  std::vector<Entry> current = entries_;
  for (const Entry& entry : current)
    if (std::find(entries_.begin(), entries_.end(), entry) != entries_.end())
      entry.function(entry.userData, callbackData);
}
