#include "app/win32/window_metrics.h"

#include <gtest/gtest.h>

namespace zarq::win32 {
namespace {

SIZE clientOf(SIZE outer, UINT dpi) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, dpi);
  return {outer.cx - (frame.right - frame.left), outer.cy - (frame.bottom - frame.top)};
}

TEST(WindowMetricsTest, AtOneHundredPercentTheWindowIsNineSixtyBySevenTwenty) {
  const SIZE outer = outerSizeAt(96);
  EXPECT_EQ(outer.cx, 960);
  EXPECT_EQ(outer.cy, 720);
}

TEST(WindowMetricsTest, AtEveryScaleTheClientAreaKeepsItsLogicalSize) {
  const SIZE base = clientOf(outerSizeAt(96), 96);
  for (UINT dpi : {120u, 144u, 192u}) {
    const SIZE client = clientOf(outerSizeAt(dpi), dpi);
    EXPECT_NEAR(client.cx, base.cx * scaleOf(dpi), 0.5) << dpi;
    EXPECT_NEAR(client.cy, base.cy * scaleOf(dpi), 0.5) << dpi;
  }
}

TEST(WindowMetricsTest, AWindowIsMovedIntoTheWorkAreaNoFurtherThanNeeded) {
  const RECT work{0, 0, 1280, 984};  // a taskbar below
  const struct {
    POINT at;
    SIZE size;
    POINT expected;
  } cases[] = {
      {{100, 50}, {960, 720}, {100, 50}},    // inside already
      {{600, 400}, {960, 720}, {320, 264}},  // past the right and the bottom
      {{-40, -10}, {960, 720}, {0, 0}},      // above and left of it
      {{100, 50}, {1400, 1100}, {0, 0}},     // larger: its top-left corner stays inside
  };
  for (const auto& c : cases) {
    const POINT place = placeInside(c.at, c.size, work);
    EXPECT_EQ(place.x, c.expected.x) << c.at.x << "," << c.at.y;
    EXPECT_EQ(place.y, c.expected.y) << c.at.x << "," << c.at.y;
  }
}

TEST(WindowMetricsTest, TheOuterSizeHoldsTheBaseClientAreaAtTheScaleGiven) {
  const SIZE base = baseClientSize();
  for (const float scale : {0.75f, 1.1f, 1.65f}) {
    const SIZE client = clientOf(outerSizeFor(scale, 96), 96);
    EXPECT_NEAR(client.cx, base.cx * scale, 0.5) << scale;
    EXPECT_NEAR(client.cy, base.cy * scale, 0.5) << scale;
  }
}

}  // namespace
}  // namespace zarq::win32
