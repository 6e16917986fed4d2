// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/GuiQueue.h"

namespace plivexwin::serve {

void GuiQueue::run() {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [this] { return stopped_ || !tasks_.empty(); });
      if (stopped_) {
        tasks_.clear();
        return;
      }
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void GuiQueue::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  ready_.notify_all();
}

bool GuiQueue::stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

bool GuiQueue::post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_) return false;
    tasks_.push_back(std::move(task));
  }
  ready_.notify_one();
  return true;
}

}  // namespace plivexwin::serve
