#include "form/busy_mark.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarq {
namespace {

TEST(BusyMarkTest, ShowsOnlyOnceTheOldestRunningWorkHasTakenLongEnough) {
  const struct {
    const char* what;
    std::vector<std::int32_t> begins;
    int ends;
    std::int32_t now;
    bool shown;
  } cases[] = {
      {"idle", {}, 0, 5000, false},
      {"just begun", {1000}, 0, 1000, false},
      {"short of the delay", {1000}, 0, 1000 + kBusyMarkDelayMs - 1, false},
      {"at the delay", {1000}, 0, 1000 + kBusyMarkDelayMs, true},
      {"ended", {1000}, 1, 9000, false},
      {"a later work does not restart it", {1000, 1100}, 0, 1000 + kBusyMarkDelayMs, true},
      {"one of two ended", {1000, 1100}, 1, 1000 + kBusyMarkDelayMs, true},
      {"more ends than begins", {1000}, 2, 9000, false},
  };
  for (const auto& c : cases) {
    BusyMark mark;
    for (std::int32_t at : c.begins) mark.begin(at);
    for (int i = 0; i < c.ends; ++i) mark.end();
    EXPECT_EQ(mark.shownAt(c.now), c.shown) << c.what;
  }
  BusyMark mark;
  mark.begin(0);
  mark.end();
  mark.end();
  mark.begin(500);  // a surplus end is no credit
  EXPECT_FALSE(mark.shownAt(500 + kBusyMarkDelayMs - 1));
}

}  // namespace
}  // namespace zarq
