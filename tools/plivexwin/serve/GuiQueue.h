// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

namespace plivexwin::serve {

// The module's one thread at work: the thread that calls run() takes the
// tasks other threads post, one at a time, in order. The module is touched
// from that thread only.
class GuiQueue {
 public:
  // Runs the tasks posted until stop() is called; the tasks still queued
  // then are dropped (their callers see no answer).
  void run();
  // Makes run() return after the task under way, if any.
  void stop();
  bool stopped() const;

  // Queues task; false once the queue has stopped.
  bool post(std::function<void()> task);

  // Runs fn on the queue's thread and waits at most timeout for its result:
  // nothing when the queue has stopped or the time ran out (fn may still run
  // later, so it must own what it uses).
  template <typename Result>
  std::optional<Result> call(std::function<Result()> fn, std::chrono::milliseconds timeout) {
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(fn));
    std::future<Result> result = task->get_future();
    if (!post([task] { (*task)(); })) return std::nullopt;
    if (result.wait_for(timeout) != std::future_status::ready) return std::nullopt;
    try {
      return result.get();
    } catch (const std::future_error&) {  // dropped when the queue stopped
      return std::nullopt;
    }
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::function<void()>> tasks_;
  bool stopped_ = false;
};

}  // namespace plivexwin::serve
