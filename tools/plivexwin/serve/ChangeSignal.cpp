// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/ChangeSignal.h"

namespace plivexwin::serve {

std::uint64_t ChangeSignal::count() const {
  std::lock_guard lock(mutex_);
  return count_;
}

void ChangeSignal::changed() {
  {
    std::lock_guard lock(mutex_);
    ++count_;
  }
  changed_.notify_all();
}

void ChangeSignal::close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

std::optional<std::uint64_t> ChangeSignal::waitPast(std::uint64_t seen,
                                                    std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, timeout, [&] { return closed_ || count_ != seen; });
  if (closed_) return std::nullopt;
  return count_;
}

}  // namespace plivexwin::serve
