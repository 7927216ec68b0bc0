#include "image/helper_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace zarq {
namespace {

// A job longer than the caller's wait before it sleeps: finish must still see it end, whether
// the helper was asleep, woken ahead, or still awake after a job before it.
TEST(HelperThreadTest, FinishReturnsOnlyOnceABegunJobHasEnded) {
  HelperThread helper(std::chrono::milliseconds(0));  // each job holds its caller up
  for (const char* before : {"asleep", "woken", "awake after a job"}) {
    SCOPED_TRACE(before);
    if (std::string(before) == "woken") helper.wake();
    std::atomic<bool> begun = false, ended = false;
    ASSERT_TRUE(helper.start([&] {
      begun = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      ended = true;
    }));
    EXPECT_FALSE(helper.start([] {}));  // one caller at a time
    while (!begun) std::this_thread::yield();
    EXPECT_TRUE(helper.finish());
    EXPECT_TRUE(ended);
  }
}

// A caller kept waiting longer than its own part took turns the next callers away until the
// put-off ends; one whose helper was done first does not. A held-up job is long enough to
// outlast a helper given its core late on a busy machine.
TEST(HelperThreadTest, TurnsCallersAwayAfterHoldingOneUp) {
  using std::chrono::milliseconds;
  struct Case {
    const char* name;
    std::chrono::steady_clock::duration putOff;
    milliseconds job, callerPart, later;
    bool turnedAway;
  };
  const Case cases[] = {
      {"held up", std::chrono::hours(1), milliseconds(300), milliseconds(0), milliseconds(0), true},
      {"held up, put-off over", milliseconds(5), milliseconds(20), milliseconds(0),
       milliseconds(30), false},
      {"done first", std::chrono::hours(1), milliseconds(0), milliseconds(20), milliseconds(0),
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HelperThread helper(c.putOff);
    std::atomic<bool> begun = false, ended = false;
    ASSERT_TRUE(helper.start([&] {
      begun = true;
      std::this_thread::sleep_for(c.job);
      ended = true;
    }));
    // The caller's part: at least until the helper has begun, and for the done-first case
    // until it has ended too.
    while (!begun || (c.callerPart.count() > 0 && !ended)) std::this_thread::yield();
    std::this_thread::sleep_for(c.callerPart);
    ASSERT_TRUE(helper.finish());
    std::this_thread::sleep_for(c.later);
    EXPECT_EQ(helper.putOff(), c.turnedAway);
    std::atomic<bool> ran = false;
    const bool started = helper.start([&] { ran = true; });
    EXPECT_EQ(started, !c.turnedAway);
    if (started) {
      while (!ran) std::this_thread::yield();
      helper.finish();
    }
    EXPECT_EQ(ran, started);
  }
}

// The helper stops with its owner even while it stays awake for a job that never comes.
TEST(HelperThreadTest, StopsWhileAwake) {
  for (bool ranJob : {false, true}) {
    HelperThread helper;
    helper.wake();
    if (ranJob) {
      ASSERT_TRUE(helper.start([] {}));
      helper.finish();
    }
  }
}

}  // namespace
}  // namespace zarq
