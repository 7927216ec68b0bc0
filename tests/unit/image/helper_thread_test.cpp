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
  HelperThread helper;
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
