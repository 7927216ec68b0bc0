#include "image/helper_thread.h"

#include <chrono>
#include <system_error>

namespace zarq {
namespace {

// Long enough to bridge the gaps between the jobs of one run, short enough to cost nothing
// noticeable when no job comes.
constexpr auto kAwake = std::chrono::microseconds(1500);

// Waits a few cycles without hammering the core another hardware thread may share.
void relax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

}  // namespace

HelperThread& HelperThread::shared() {
  static HelperThread helper;
  return helper;
}

HelperThread::~HelperThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    called_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool HelperThread::start(std::function<void()> job) {
  {
    const std::lock_guard lock(mutex_);
    if (taken_ || putOff() || !running()) return false;
    started_ = std::chrono::steady_clock::now();
    taken_ = true;
    done_ = false;
    job_ = std::move(job);
    called_ = true;
  }
  changed_.notify_all();
  return true;
}

void HelperThread::wake() {
  {
    const std::lock_guard lock(mutex_);
    if (taken_ || !running()) return;
    woken_ = true;
  }
  changed_.notify_all();
}

bool HelperThread::running() {
  if (thread_.joinable()) return true;
  try {
    thread_ = std::thread([this] { run(); });
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

bool HelperThread::putOff() const {
  return std::chrono::steady_clock::now().time_since_epoch().count() < putOffUntil_.load();
}

bool HelperThread::finish() {
  // The caller has done its own part, and the helper's is usually about done too: being woken
  // by it would take longer than this, on a virtual machine many times longer.
  const auto called = std::chrono::steady_clock::now();
  const auto until = called + std::chrono::microseconds(300);
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
    called_ = false;
  }
  taken_ = false;
  const auto now = std::chrono::steady_clock::now();
  if (!begun || now - called > called - started_) {
    putOffUntil_ = (now + putOff_).time_since_epoch().count();
  }
  return begun;
}

void HelperThread::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || job_ || woken_; });
    if (stopping_) return;
    if (job_) {
      const std::function<void()> job = std::move(job_);
      job_ = nullptr;
      called_ = false;
      lock.unlock();
      job();
      lock.lock();
      done_ = true;
      changed_.notify_all();
    }
    woken_ = false;
    lock.unlock();
    stayAwake();
    lock.lock();
  }
}

void HelperThread::stayAwake() const {
  const auto until = std::chrono::steady_clock::now() + kAwake;
  for (int turn = 1; !called_.load(std::memory_order_acquire); ++turn) {
    relax();
    // Now and then the core goes to whatever else waits for it: the caller itself, when
    // both have been put on one core.
    if (turn % 64 == 0) {
      if (std::chrono::steady_clock::now() >= until) return;
      std::this_thread::yield();
    }
  }
}

}  // namespace zarq
