#include "backend/cairo/offscreen_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "backend/cairo/pango_text.h"

namespace zarq {
namespace {

struct SurfaceSize {
  int width, height;
};

// The window's memory handed over after frames were drawn: the frame shown so far stays, and
// every later surface, also one made for a new scale or after the frame was let go, comes from
// the window at device size.
TEST(OffscreenFrame, SurfacesFromTheWindowKeepTheFrameAndFollowTheScale) {
  PangoText text;
  OffscreenFrame frame(text);
  frame.beginFrame().fillRect({10, 20, 5, 5}, 0xFF123456);
  frame.present();

  std::vector<SurfaceSize> made;
  frame.surfacesFrom([&made](int width, int height) {
    made.push_back({width, height});
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  });
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].width, kFrameWidth);
  EXPECT_EQ(made[0].height, kFrameHeight);
  EXPECT_EQ(frame.pixel(12, 22), 0xFF123456u);
  EXPECT_EQ(frame.pixel(0, 0), 0xFF000000u);

  frame.setScale(1.5);
  frame.beginFrame().fillRect({10, 20, 5, 5}, 0xFF654321);
  frame.present();
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[1].width, kFrameWidth * 3 / 2);
  EXPECT_EQ(made[1].height, kFrameHeight * 3 / 2);
  EXPECT_EQ(frame.pixel(18, 33), 0xFF654321u);

  // Let go at rest, the frame is made anew from the window's memory when next drawn.
  frame.letGo();
  EXPECT_FALSE(frame.held());
  frame.beginFrame();
  frame.present();
  EXPECT_TRUE(frame.held());
  EXPECT_EQ(made.size(), 3u);
}

}  // namespace
}  // namespace zarq
