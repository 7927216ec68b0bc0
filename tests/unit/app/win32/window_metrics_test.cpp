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
  const SIZE outer = outerSizeFor(1, 96);
  EXPECT_EQ(outer.cx, 960);
  EXPECT_EQ(outer.cy, 720);
}

TEST(WindowMetricsTest, AtEveryScaleTheClientAreaKeepsItsLogicalSize) {
  const SIZE base = clientOf(outerSizeFor(1, 96), 96);
  for (UINT dpi : {120u, 144u, 192u}) {
    const SIZE client = clientOf(outerSizeFor(scaleOf(dpi), dpi), dpi);
    EXPECT_NEAR(client.cx, base.cx * scaleOf(dpi), 0.5) << dpi;
    EXPECT_NEAR(client.cy, base.cy * scaleOf(dpi), 0.5) << dpi;
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
