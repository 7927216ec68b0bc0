#pragma once
// The two meeting points of the threads that blur bands of one image: a gate the helpers
// wait at until every one of them has started, and a barrier between the steps of a box.
// Built on a mutex and a condition variable rather than std::latch and std::barrier, whose
// atomic waits deadlock with the MinGW runtime the Windows build uses.

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace zarq {

class BandGate {
 public:
  void open() {
    {
      const std::lock_guard lock(mutex_);
      open_ = true;
    }
    opened_.notify_all();
  }
  void wait() {
    std::unique_lock lock(mutex_);
    opened_.wait(lock, [this] { return open_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
};

class BandBarrier {
 public:
  explicit BandBarrier(int count) : count_(count) {}
  // Returns once all `count` threads have arrived; the barrier is then ready for the next
  // step.
  void arriveAndWait() {
    std::unique_lock lock(mutex_);
    const std::uint64_t step = step_;
    if (++arrived_ == count_) {
      arrived_ = 0;
      ++step_;
      lock.unlock();
      passed_.notify_all();
      return;
    }
    passed_.wait(lock, [&] { return step_ != step; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable passed_;
  const int count_;
  int arrived_ = 0;
  std::uint64_t step_ = 0;
};

}  // namespace zarq
