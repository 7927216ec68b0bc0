#include "platform/pixel_frame.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/null_canvas.h"

namespace zarq {
namespace {

// Fills rectangles straight into the pixels, one device pixel a logical one; the rest draws
// nothing.
class RectCanvas final : public testing::NullCanvas {
 public:
  RectCanvas(std::uint32_t* pixels, int width) : pixels_(pixels), width_(width) {}
  void fillRect(RectF rect, Argb colour) override {
    for (int y = int(rect.y); y < int(rect.y + rect.h); ++y) {
      for (int x = int(rect.x); x < int(rect.x + rect.w); ++x) pixels_[y * width_ + x] = colour;
    }
  }

 private:
  std::uint32_t* pixels_;
  int width_;
};

class RectFrame final : public PixelFrame {
 public:
  int stops = 0;

 private:
  Canvas& startDrawing(std::uint32_t* pixels) override { return canvas_.emplace(pixels, width()); }
  void stopDrawing() override {
    stops += canvas_.has_value();
    canvas_.reset();
  }
  std::optional<RectCanvas> canvas_;
};

TEST(PixelFrameTest, AFrameStartsBlackAndShowsWhatWasPaintedOnlyOncePresented) {
  RectFrame frame;
  int presented = 0;
  frame.onPresent([&] { ++presented; });
  frame.beginFrame().fillRect({10, 20, 30, 40}, 0xFF336699);
  EXPECT_EQ(frame.pixel(15, 25), 0xFF000000u);
  frame.present();
  EXPECT_EQ(frame.framesPresented(), 1);
  EXPECT_EQ(presented, 1);
  EXPECT_EQ(frame.stops, 1);
  EXPECT_EQ(frame.pixel(15, 25), 0xFF336699u);
  EXPECT_EQ(frame.pixel(5, 25), 0xFF000000u);
  // Each frame starts black again.
  frame.beginFrame();
  frame.present();
  EXPECT_EQ(frame.pixel(15, 25), 0xFF000000u);
  // Let go at rest, the frame is black again until the next one drawn is presented.
  frame.beginFrame().fillRect({10, 20, 30, 40}, 0xFF336699);
  frame.present();
  frame.letGo();
  EXPECT_EQ(frame.pixel(15, 25), 0xFF000000u);
  frame.beginFrame().fillRect({10, 20, 30, 40}, 0xFF336699);
  frame.present();
  EXPECT_EQ(frame.pixel(15, 25), 0xFF336699u);
}

TEST(PixelFrameTest, ANewScaleResizesTheFrameAndStopsTheDrawingUnderWay) {
  RectFrame frame;
  frame.beginFrame().fillRect({0, 0, 10, 10}, 0xFFFFFFFF);
  frame.setScale(1.25f);
  EXPECT_EQ(frame.stops, 1);
  EXPECT_EQ(frame.width(), 1200);
  EXPECT_EQ(frame.height(), 900);
  EXPECT_EQ(frame.pixel(1199, 899), 0xFF000000u);
  frame.setScale(1.25f);
  frame.beginFrame().fillRect({1190, 890, 10, 10}, 0xFFFFFFFF);
  frame.present();
  EXPECT_EQ(frame.pixel(1199, 899), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace zarq
