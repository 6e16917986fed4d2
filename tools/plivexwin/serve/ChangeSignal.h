// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace plivexwin::serve {

// The number of changes made to the scene and its editors, which threads
// waiting for the next one (the pages' event streams) watch without touching
// the module.
class ChangeSignal {
 public:
  std::uint64_t count() const;
  // Counts one more change and wakes the waiters.
  void changed();
  // Wakes the waiters for good: the server is stopping.
  void close();
  // Waits at most timeout for the count to pass seen: the new count;
  // the same when the time ran out; nothing once closed.
  std::optional<std::uint64_t> waitPast(std::uint64_t seen, std::chrono::milliseconds timeout);

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t count_ = 0;
  bool closed_ = false;
};

}  // namespace plivexwin::serve
