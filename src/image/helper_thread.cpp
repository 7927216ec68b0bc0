#include "image/helper_thread.h"

#include <chrono>
#include <system_error>

namespace zarq {

HelperThread& HelperThread::shared() {
  static HelperThread helper;
  return helper;
}

HelperThread::~HelperThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool HelperThread::start(std::function<void()> job) {
  {
    const std::lock_guard lock(mutex_);
    if (taken_) return false;
    if (!thread_.joinable()) {
      try {
        thread_ = std::thread([this] { run(); });
      } catch (const std::system_error&) {
        return false;
      }
    }
    taken_ = true;
    done_ = false;
    job_ = std::move(job);
  }
  changed_.notify_all();
  return true;
}

bool HelperThread::finish() {
  // The caller has done its own part, and the helper's is usually about done too: being woken
  // by it would take longer than this, on a virtual machine many times longer.
  const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(300);
  while (!done_.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until) {
    std::this_thread::yield();
  }
  std::unique_lock lock(mutex_);
  const bool begun = !job_;
  if (begun) {
    changed_.wait(lock, [this] { return done_.load(); });
  } else {
    job_ = nullptr;
    done_ = true;
  }
  taken_ = false;
  return begun;
}

void HelperThread::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || job_; });
    if (stopping_) return;
    const std::function<void()> job = std::move(job_);
    job_ = nullptr;
    lock.unlock();
    job();
    lock.lock();
    done_ = true;
    changed_.notify_all();
  }
}

}  // namespace zarq
