// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <mutex>

// A mutex the thread holding it may lock again: the class mutex of the class
// pattern, the one lock of the toolkit (README, "Threads").
class SbThreadMutex {
 public:
  int lock() {
    mutex_.lock();
    return 0;
  }
  int unlock() {
    mutex_.unlock();
    return 0;
  }
  bool tryLock() { return mutex_.try_lock(); }

 private:
  std::recursive_mutex mutex_;
};

// Holds an SbThreadMutex for one scope.
class SbThreadAutoLock {
 public:
  explicit SbThreadAutoLock(SbThreadMutex* mutex) : mutex_(mutex) { mutex_->lock(); }
  ~SbThreadAutoLock() { mutex_->unlock(); }
  SbThreadAutoLock(const SbThreadAutoLock&) = delete;
  SbThreadAutoLock& operator=(const SbThreadAutoLock&) = delete;

 private:
  SbThreadMutex* mutex_;
};
