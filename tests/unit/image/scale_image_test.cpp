#include "image/scale_image.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/image_files.h"

namespace zarq {
namespace {

using testing::makeImage;
using testing::randomImage;

int channel(std::uint32_t pixel, int c) { return (pixel >> (8 * c)) & 0xFF; }

TEST(ScaleImageTest, SizesThatAreNotPositiveDoNothing) {
  const Image source = randomImage(8, 8, 1);
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}}) {
    Image destination = randomImage(3, 2, 2);
    const Image before = destination;
    scaleImage(destination, source, w, h);
    ASSERT_EQ(destination.getWidth(), 3);
    EXPECT_EQ(destination.pixel(2, 1), before.pixel(2, 1));
  }
}

TEST(ScaleImageTest, AnEmptySourceGivesBlack) {
  Image destination = randomImage(3, 2, 2);
  scaleImage(destination, Image(), 4, 4);
  ASSERT_EQ(destination.getWidth(), 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(destination.pixel(x, y), 0u);
  }
}

TEST(ScaleImageTest, TheSameSizeGivesTheSamePixels) {
  const Image source = randomImage(37, 29, 3);
  Image destination;
  scaleImage(destination, source, 37, 29);
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 37; ++x) ASSERT_EQ(destination.pixel(x, y), source.pixel(x, y));
  }
}

TEST(ScaleImageTest, AFlatColourStaysFlatAtAnyScale) {
  const Image source = makeImage(50, 40, [](int, int) { return 0x3A7FC1u; });
  for (auto [w, h] : {std::pair{960, 720}, {7, 3}, {50, 400}, {1, 1}}) {
    Image destination;
    scaleImage(destination, source, w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(destination.pixel(x, y), 0x3A7FC1u) << w << "x" << h;
    }
  }
}

TEST(ScaleImageTest, ShrinkingFineStripesGivesEvenGreyInsteadOfAliasing) {
  // One-pixel black and white stripes, shrunk 4.27 times as a 4K illustration is: sampling
  // without a widened filter would leave bands of black and white.
  const Image stripes = makeImage(4096, 64, [](int x, int) { return x % 2 ? 0xFFFFFFu : 0u; });
  Image destination;
  scaleImage(destination, stripes, 960, 15);
  for (int y = 0; y < 15; ++y) {
    for (int x = 2; x < 958; ++x) {
      for (int c = 0; c < 3; ++c) ASSERT_NEAR(channel(destination.pixel(x, y), c), 128, 6) << x;
    }
  }
}

TEST(ScaleImageTest, EnlargingFollowsTheSourceSmoothly) {
  // A horizontal ramp stays a ramp: each output lies between its source neighbours.
  const Image ramp = makeImage(8, 2, [](int x, int) { return static_cast<std::uint32_t>(x * 30); });
  Image destination;
  scaleImage(destination, ramp, 64, 2);
  for (int x = 1; x < 64; ++x) {
    EXPECT_GE(channel(destination.pixel(x, 0), 0), channel(destination.pixel(x - 1, 0), 0)) << x;
  }
  EXPECT_LE(channel(destination.pixel(0, 0), 0), 2);
  EXPECT_GE(channel(destination.pixel(63, 0), 0), 208);
}

TEST(ScaleImageTest, AWindowHoldsThePixelsOfTheWholeScaledPicture) {
  const Image source = randomImage(300, 170, 4);
  Image whole;
  scaleImage(whole, source, 421, 233);
  const struct {
    long long left, top;
    int width, height;
  } windows[] = {
      {0, 0, 421, 233}, {30, 7, 100, 50}, {400, 200, 21, 33}, {-5, -3, 10, 10}, {415, 230, 10, 10}};
  for (const auto& w : windows) {
    Image part;
    scaleImageWindow(part, source, {421, 233, w.left, w.top, w.width, w.height});
    ASSERT_EQ(part.getWidth(), w.width);
    for (int y = 0; y < w.height; ++y) {
      for (int x = 0; x < w.width; ++x) {
        const long long wx = w.left + x, wy = w.top + y;
        const bool inside = wx >= 0 && wx < 421 && wy >= 0 && wy < 233;
        ASSERT_EQ(part.pixel(x, y), inside ? whole.pixel(wx, wy) : 0u)
            << "window at " << w.left << "," << w.top << " pixel " << x << "," << y;
      }
    }
  }
}

TEST(ScaleImageTest, AnEnormousScaledSizeIsFineThroughAWindow) {
  // A 4000 x 1 strip scaled to the frame's height is 2.88 million pixels wide.
  const Image strip =
      makeImage(4000, 1, [](int x, int) { return x < 2000 ? 0x0000FFu : 0xFF0000u; });
  Image part;
  scaleImageWindow(part, strip, {2'880'000, 720, 1'440'000 - 480, 0, 960, 720});
  EXPECT_EQ(part.pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(part.pixel(959, 719), 0xFF0000u);
}

TEST(ScaleImageTest, BothKernelsGiveTheSameBytes) {
  if (!scaleKernelRuns(ScaleKernel::Sse2)) GTEST_SKIP() << "no SSE2 on this machine";
  const struct {
    int width, height, toWidth, toHeight;
  } cases[] = {{640, 480, 960, 720}, {1023, 77, 211, 19}, {13, 9, 960, 720}, {300, 1000, 7, 5}};
  for (const auto& c : cases) {
    const Image source = randomImage(c.width, c.height, c.width + c.toWidth, true);
    const ScaleWindow window{c.toWidth, c.toHeight, 0, 0, c.toWidth, c.toHeight};
    Image portable, sse2;
    scaleImageWindow(portable, source, window, ScaleKernel::Portable);
    scaleImageWindow(sse2, source, window, ScaleKernel::Sse2);
    for (int y = 0; y < c.toHeight; ++y) {
      for (int x = 0; x < c.toWidth; ++x) {
        ASSERT_EQ(sse2.pixel(x, y), portable.pixel(x, y)) << c.width << " to " << c.toWidth;
      }
    }
  }
}

TEST(ScaleImageTest, RowsFedOneByOneGiveTheWholePicturesResult) {
  const Image source = randomImage(200, 150, 9);
  Image direct, fed(120, 333);
  scaleImage(direct, source, 120, 333);
  RowScaler scaler(200, 150, {120, 333, 0, 0, 120, 333}, fed);
  std::vector<std::uint32_t> row(200);
  for (int y = 0; y < 150; ++y) {
    // The scaler must copy what it keeps: the caller's buffer changes after every row.
    std::copy(source.row(y), source.row(y) + 200, row.begin());
    scaler.addRow(row.data());
    std::fill(row.begin(), row.end(), 0xFFFFFFu);
  }
  for (int y = 0; y < 333; ++y) {
    for (int x = 0; x < 120; ++x) ASSERT_EQ(fed.pixel(x, y), direct.pixel(x, y));
  }
}

// Two scalers making the top and the bottom of one window, each given only the rows and
// columns it reads, in place, make what one scaler makes of the whole.
TEST(ScaleImageTest, HalvesOfAWindowFedOnlyWhatTheyReadGiveTheWhole) {
  const Image source = randomImage(300, 200, 4);
  const ScaleWindow whole{427, 240, 40, 0, 320, 240};
  Image direct, halves(320, 240);
  scaleImageWindow(direct, source, whole);
  for (int top : {0, 120}) {
    ScaleWindow half = whole;
    half.top = top;
    half.height = 120;
    RowScaler scaler(300, 200, half, halves, top);
    ASSERT_GT(scaler.firstColumn(), 0);
    ASSERT_LT(scaler.columnCount(), 300);
    for (int y = scaler.firstRow(); y < scaler.endRow(); ++y) {
      std::uint32_t* span = scaler.spanOfRow(y);
      ASSERT_NE(span, nullptr) << y;
      std::copy_n(source.row(y) + scaler.firstColumn(), scaler.columnCount(), span);
      scaler.spanFilled(y);
    }
  }
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x)
      ASSERT_EQ(halves.pixel(x, y), direct.pixel(x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace zarq
