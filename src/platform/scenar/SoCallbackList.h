#pragma once

#include <vector>

using SoCallbackListCB = void(void* userData, void* callbackData);

// An ordered list of functions with their user data, called together.
class SoCallbackList {
 public:
  void addCallback(SoCallbackListCB* function, void* userData = nullptr);
  // Removes the first entry with this function and user data.
  void removeCallback(SoCallbackListCB* function, void* userData = nullptr);
  void clearCallbacks() { entries_.clear(); }
  int getNumCallbacks() const { return static_cast<int>(entries_.size()); }
  // Calls every entry in order with callbackData. An entry removed by an earlier
  // one meanwhile is skipped; one added meanwhile waits for the next time.
  void invokeCallbacks(void* callbackData);

 private:
  struct Entry {
    SoCallbackListCB* function;
    void* userData;
    bool operator==(const Entry&) const = default;
  };
  std::vector<Entry> entries_;
};
