#pragma once
// A thread kept for work that its caller splits in two: the caller does one part while the
// helper does the other. Starting a thread for every piece of work would cost more than a
// blur of the whole frame takes. One caller at a time: a caller that finds the helper busy,
// or no thread to be had, does all the work itself; so does one whose helper has not been
// given a core by the time the caller is done with its own part, as on a busy machine.
//
// On a machine busier than its cores the helper may also lose its core halfway through a job,
// and its caller then waits far longer than the whole job would have taken alone. After a job
// that kept its caller waiting longer than the caller's own part took, or that the caller took
// back, the helper turns callers away for a short while: they work alone until it is worth
// trying again.
//
// A thread woken from sleep gets its core some tens of microseconds late, and work often
// comes in runs (a slider dragged, the frames of a preview): after a job, or when told work
// is coming, the helper stays awake for a short while, then sleeps again.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zarq {

class HelperThread {
 public:
  // The one every part of the program shares: the machine has only so many cores.
  static HelperThread& shared();

  // How long callers are turned away after a job that held one up.
  static constexpr std::chrono::milliseconds kPutOff{50};

  explicit HelperThread(std::chrono::steady_clock::duration putOff = kPutOff) : putOff_(putOff) {}
  ~HelperThread();
  HelperThread(const HelperThread&) = delete;
  HelperThread& operator=(const HelperThread&) = delete;

  // Starts `job` on the helper; false, and the job is not run, when another caller has it, the
  // helper is put off, or no thread can be started. A true start must be followed by finish().
  bool start(std::function<void()> job);
  // Tells the helper that a job may come soon, so that it is awake to take it.
  void wake();
  // Waits until the job started last has ended, and returns true; or, when the helper has not
  // begun it yet, takes it back and returns false: the job then never runs there. The helper
  // is free for others afterwards.
  bool finish();
  // Whether start() turns callers away for now, after a job that held its caller up.
  bool putOff() const;

 private:
  // Whether the thread runs, started now if need be; called with the lock held.
  bool running();
  void run();
  // Returns when a job is started or the helper stops, or after a short while.
  void stayAwake() const;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> job_;
  bool taken_ = false;                // between a start and its finish
  bool woken_ = false;                // by wake(), until the helper is up
  std::atomic<bool> called_ = false;  // a job or the end waits: read while awake
  std::atomic<bool> done_ = true;     // read without the lock while the caller waits
  bool stopping_ = false;
  const std::chrono::steady_clock::duration putOff_;
  std::chrono::steady_clock::time_point started_;  // by the last true start
  // Until when start() turns callers away, since the clock's epoch.
  std::atomic<std::chrono::steady_clock::rep> putOffUntil_ = 0;
  std::thread thread_;
};

}  // namespace zarq
