#include "image/background_preview.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/paths.h"
#include "common/utf.h"
#include "image/gaussian_blur.h"
#include "image/scale_image.h"
#include "support/headless.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

using testing::ImageFormat;
using testing::makeImage;
using testing::writeImage;

// Red and green follow x and y, blue their high bits: every misplaced row or column shows.
std::uint32_t placeColour(int x, int y) {
  return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 |
                                    ((x >> 8) * 16 + (y >> 8)));
}

class BackgroundPreviewTest : public ::testing::Test {
 protected:
  // Writes "20220924.<ext>" and makes it the illustration.
  void useIllustration(const Image& picture, ImageFormat format, const char16_t* ext = u"PNG") {
    writeImage(dir / pathFromText(u"20220924." + Text(ext)), picture, format);
    nameIllustration(u"20220924", ext);
  }
  void nameIllustration(const char16_t* chartId, const char16_t* ext) {
    illustration = dir / pathFromText(Text(chartId) + u"." + ext);
  }
  // The illustration's cover blurred by `blur`; an empty image without a cover.
  void build(int blur) {
    preview = Image();
    if (const std::optional<Cover> cover = decodeCover(images, illustration)) {
      blurCover(*cover, blur, preview);
    }
  }

  // What the preview must hold: the picture scaled to (width, height), drawn at (x, y) on a
  // black frame, blurred with sigma unless it is negative, opaque.
  static Image expectedPreview(const Image& picture, int width, int height, int x, int y,
                               int sigma) {
    Image scaled;
    scaleImage(scaled, picture, width, height);
    Image canvas(kFrameWidth, kFrameHeight);
    blitImage(canvas, x, y, scaled);
    if (sigma >= 0) gaussianBlur(canvas, sigma);
    for (int row = 0; row < kFrameHeight; ++row) {
      for (int col = 0; col < kFrameWidth; ++col) canvas.row(row)[col] |= 0xFF000000;
    }
    return canvas;
  }

  ::testing::AssertionResult previewIs(const Image& expected) {
    if (preview.getWidth() != kFrameWidth || preview.getHeight() != kFrameHeight) {
      return ::testing::AssertionFailure()
             << "a preview of " << preview.getWidth() << "x" << preview.getHeight();
    }
    for (int y = 0; y < kFrameHeight; ++y) {
      for (int x = 0; x < kFrameWidth; ++x) {
        if (preview.pixel(x, y) != expected.pixel(x, y)) {
          return ::testing::AssertionFailure()
                 << "at " << x << "," << y << ": " << std::hex << preview.pixel(x, y)
                 << " instead of " << expected.pixel(x, y);
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  testing::TempDir dir;
  HeadlessPlatform headless;
  ImageDecoder& images = headless.images;
  std::filesystem::path illustration;
  Image preview;
};

TEST_F(BackgroundPreviewTest, EachShapeCoversTheFrameCentredAndCropped) {
  const struct {
    int width, height;
    int scaledWidth, scaledHeight, x, y;
  } cases[] = {
      {1920, 1080, 1280, 720, -160, 0},  // 16:9, left and right 160 columns cropped
      {1024, 1024, 960, 960, 0, -120},   // square, top and bottom cropped
      {800, 600, 960, 720, 0, 0},        // exactly 4:3
      {1281, 720, 1281, 720, -160, 0},   // the odd extra column: the offset truncates
      {600, 1000, 960, 1600, 0, -440},   // tall
  };
  for (const auto& c : cases) {
    const Image picture = makeImage(c.width, c.height, placeColour);
    useIllustration(picture, ImageFormat::Png);
    build(0);
    EXPECT_TRUE(previewIs(expectedPreview(picture, c.scaledWidth, c.scaledHeight, c.x, c.y, -1)))
        << c.width << "x" << c.height;
  }
}

TEST_F(BackgroundPreviewTest, TheBlurScalesWithTheFramesHeightOrWidth) {
  const struct {
    int width, height, blur;
    int scaledWidth, scaledHeight, y;
    int sigma;
  } cases[] = {
      {800, 600, 80, 960, 720, 0, 53},       // wide: 720 x 80 / 1080
      {1024, 1024, 80, 960, 960, -120, 38},  // tall: 960 x 80 / 2048, 37.5 rounded away from 0
      {800, 600, 200, 960, 720, 0, 133},
      {800, 600, 500, 960, 720, 0, 133},  // above 200 counts as 200
      {1024, 1024, 500, 960, 960, -120, 94},
      {800, 600, 1, 960, 720, 0, 1},
  };
  for (const auto& c : cases) {
    const Image picture = makeImage(c.width, c.height, placeColour);
    useIllustration(picture, ImageFormat::Png);
    build(c.blur);
    EXPECT_TRUE(previewIs(expectedPreview(picture, c.scaledWidth, c.scaledHeight, 0, c.y, c.sigma)))
        << c.width << "x" << c.height << " blur " << c.blur;
  }
}

TEST_F(BackgroundPreviewTest, NoBlurOrATallPicturesSmallestLeaveItSharp) {
  const Image picture = makeImage(1024, 1024, placeColour);
  useIllustration(picture, ImageFormat::Png);
  const Image sharp = expectedPreview(picture, 960, 960, 0, -120, -1);
  for (int blur : {0, 1, -5}) {
    build(blur);
    EXPECT_TRUE(previewIs(sharp)) << blur;
  }
}

TEST_F(BackgroundPreviewTest, TransparentPartsEndUpBlack) {
  const Image picture = makeImage(800, 600, [](int x, int) {
    return x < 400 ? 0x00FFFFFFu : 0x80FF8040u;  // clear left half, half-opaque right half
  });
  useIllustration(picture, ImageFormat::PngWithAlpha);
  build(0);
  EXPECT_EQ(preview.pixel(10, 10), 0xFF000000u);
  EXPECT_EQ(preview.pixel(950, 700), 0xFF804020u);
}

TEST_F(BackgroundPreviewTest, AJpegIllustrationWithANonAsciiNameIsShown) {
  const Image picture = makeImage(1920, 1080, [](int, int) { return 0x2080C0u; });
  useIllustration(picture, ImageFormat::Jpeg, u"曲绘.jpg");
  build(80);
  for (auto [x, y] : {std::pair{0, 0}, {480, 360}, {959, 719}}) {
    const std::uint32_t p = preview.pixel(x, y);
    EXPECT_EQ(p >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0x20, 3);
    EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 0x80, 3);
    EXPECT_NEAR(static_cast<int>(p & 0xFF), 0xC0, 3);
  }
}

TEST_F(BackgroundPreviewTest, WithoutALoadableIllustrationThereIsNoCover) {
  const Image picture = makeImage(64, 48, placeColour);
  writeImage(dir / "20220924.PNG", picture, ImageFormat::Png);
  std::ofstream(dir / "20220924.broken.png") << "not a picture at all";
  std::ofstream(dir / "empty.png");
  // A header claiming 40000 x 40000 pixels is refused before anything is allocated for it.
  testing::writePngHeaderOnly(dir / "huge.png", 40000, 40000);
  const struct {
    const char16_t* chartId;
    const char16_t* ext;
  } cases[] = {
      {u"20220924", u"jpg"},         // no such file
      {u"20220925", u"PNG"},         // no such chart
      {u"", u""},                    // nothing named
      {u"20220924.broken", u"png"},  // not decodable
      {u"empty", u"png"},
      {u"huge", u"png"},
  };
  for (const auto& c : cases) {
    nameIllustration(c.chartId, c.ext);
    EXPECT_FALSE(decodeCover(images, illustration)) << toUtf8(c.chartId) << "." << toUtf8(c.ext);
  }
}

}  // namespace
}  // namespace zarq
