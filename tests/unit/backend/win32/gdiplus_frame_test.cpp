#include "backend/win32/gdiplus_frame.h"

#include <gtest/gtest.h>

#include "support/headless.h"

namespace zarq::win32 {
namespace {

TEST(GdiplusFrameTest, AtOneAndAHalfTheLogicalFrameIsPaintedLarger) {
  HeadlessPlatform platform;
  GdiplusFrame& frame = platform.frame;
  frame.setScale(1.5f);
  EXPECT_EQ(frame.width(), 1440);
  EXPECT_EQ(frame.height(), 1080);
  frame.beginFrame().fillRect({100, 100, 20, 20}, 0xFFFFFFFF);
  frame.present();
  EXPECT_EQ(frame.pixel(151, 151), 0xFFFFFFFFu);
  EXPECT_EQ(frame.pixel(178, 178), 0xFFFFFFFFu);  // logical 118.7
  EXPECT_EQ(frame.pixel(182, 182), 0xFF000000u);  // logical 121.3
}

}  // namespace
}  // namespace zarq::win32
