#include "image/image.h"

#include <gtest/gtest.h>

#include "support/image_files.h"

namespace zarq {
namespace {

using testing::makeImage;

// Each pixel names its own place, so a moved pixel is noticed.
std::uint32_t placeColour(int x, int y) { return static_cast<std::uint32_t>(y << 12 | x); }

TEST(ImageTest, EmptyUntilSizedAndAZeroSideChangesNothing) {
  Image image;
  EXPECT_EQ(image.getWidth(), 0);
  EXPECT_EQ(image.getHeight(), 0);
  image.resize(0, 5);
  EXPECT_EQ(image.getWidth(), 0);

  Image sized = makeImage(10, 10, placeColour);
  sized.resize(0, 5);
  sized.resize(5, 0);
  ASSERT_EQ(sized.getWidth(), 10);
  ASSERT_EQ(sized.getHeight(), 10);
  EXPECT_EQ(sized.pixel(9, 9), placeColour(9, 9));
}

TEST(ImageTest, ResizeKeepsTheTopLeftAndBlackensNewArea) {
  const struct { int width, height; } sizes[] = {{14, 12}, {6, 4}, {14, 4}, {3, 12}};
  for (const auto& size : sizes) {
    Image image = makeImage(10, 8, placeColour);
    image.resize(size.width, size.height);
    ASSERT_EQ(image.getWidth(), size.width);
    ASSERT_EQ(image.getHeight(), size.height);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        const std::uint32_t expected = x < 10 && y < 8 ? placeColour(x, y) : 0;
        ASSERT_EQ(image.pixel(x, y), expected)
            << size.width << "x" << size.height << " at " << x << "," << y;
      }
    }
  }
}

TEST(ImageTest, AdoptedPixelsNeedTheMatchingCount) {
  EXPECT_EQ(Image(2, 3, std::vector<std::uint32_t>(6, 7)).pixel(1, 2), 7u);
  EXPECT_EQ(Image(2, 3, std::vector<std::uint32_t>(5, 7)).getWidth(), 0);
  EXPECT_EQ(Image(0, 3, {}).getWidth(), 0);
}

TEST(ImageTest, CopiesAreIndependent) {
  const Image original = makeImage(4, 3, placeColour);
  Image copy = makeImage(9, 9, placeColour);
  copy = original;
  ASSERT_EQ(copy.getWidth(), 4);
  ASSERT_EQ(copy.getHeight(), 3);
  copy.row(1)[1] = 0xABCDEF;
  EXPECT_EQ(original.pixel(1, 1), placeColour(1, 1));
  EXPECT_EQ(copy.pixel(3, 2), placeColour(3, 2));
}

TEST(ImageTest, BlitWithNegativeOffsetCropsTheSource) {
  const Image wide = makeImage(1280, 720, placeColour);
  Image canvas(960, 720);
  blitImage(canvas, -160, 0, wide);
  for (int y : {0, 359, 719}) {
    for (int x : {0, 1, 480, 959}) EXPECT_EQ(canvas.pixel(x, y), placeColour(x + 160, y));
  }
}

TEST(ImageTest, BlitDropsWhatFallsOutsideTheTarget) {
  const struct {
    int x, y;
  } offsets[] = {{0, 0}, {3, 2}, {-2, -1}, {5, 4}, {-4, 0}, {6, 0}, {0, -3}};
  const Image source = makeImage(4, 3, [](int x, int y) { return 0x100000u + placeColour(x, y); });
  for (const auto& offset : offsets) {
    Image target = makeImage(6, 4, placeColour);
    blitImage(target, offset.x, offset.y, source);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        const int sx = x - offset.x, sy = y - offset.y;
        const bool covered = sx >= 0 && sx < 4 && sy >= 0 && sy < 3;
        ASSERT_EQ(target.pixel(x, y), covered ? source.pixel(sx, sy) : placeColour(x, y))
            << "offset " << offset.x << "," << offset.y << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace zarq
