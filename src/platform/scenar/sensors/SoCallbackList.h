// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

using SoCallbackListCB = void(void* userData, void* callbackData);

// An ordered list of functions with their user data, called together.
class SoCallbackList {
 public:
  void addCallback(SoCallbackListCB* function, void* userData = nullptr) {
    add(reinterpret_cast<Erased>(function), userData, &invokeUntyped);
  }
  // Removes the first entry with this function and user data.
  void removeCallback(SoCallbackListCB* function, void* userData = nullptr) {
    remove(reinterpret_cast<Erased>(function), userData);
  }
  // The same for functions that take the callback data as a T*.
  template <typename T>
  void addCallback(void (*function)(void*, T*), void* userData = nullptr) {
    add(reinterpret_cast<Erased>(function), userData, &invokeTyped<T>);
  }
  template <typename T>
  void removeCallback(void (*function)(void*, T*), void* userData = nullptr) {
    remove(reinterpret_cast<Erased>(function), userData);
  }

  void clearCallbacks() { entries_.clear(); }
  int getNumCallbacks() const { return static_cast<int>(entries_.size()); }
  // Calls every entry in order with callbackData. An entry removed by an earlier
  // one meanwhile is skipped; one added meanwhile waits for the next time.
  void invokeCallbacks(void* callbackData);

 private:
  // Functions are kept under one pointer type and cast back to their own type
  // before being called.
  using Erased = void (*)();
  using Invoker = void (*)(Erased function, void* userData, void* callbackData);
  struct Entry {
    Erased function;
    void* userData;
    Invoker invoke;
    // Tells apart equal entries, and an entry from one added again after removal.
    unsigned long serial;
  };

  static void invokeUntyped(Erased function, void* userData, void* callbackData) {
    reinterpret_cast<SoCallbackListCB*>(function)(userData, callbackData);
  }
  template <typename T>
  static void invokeTyped(Erased function, void* userData, void* callbackData) {
    reinterpret_cast<void (*)(void*, T*)>(function)(userData, static_cast<T*>(callbackData));
  }
  void add(Erased function, void* userData, Invoker invoke);
  void remove(Erased function, void* userData);
  bool contains(const Entry& entry) const;

  std::vector<Entry> entries_;
  unsigned long nextSerial_ = 0;
};
