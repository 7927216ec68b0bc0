#include "backend/win32/wic_decoder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_system.h"
#include "support/headless.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace zarq::win32 {
namespace {

struct BeginCounter final : RowSink {
  void begin(int, int) override { ++begins; }
  void row(int, const std::uint32_t*) override {}
  int begins = 0;
};

class WicDecoderTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  WicDecoder decoder;
  testing::TempDir dir;
};

TEST_F(WicDecoderTest, APngDecodesToItsExactPixels) {
  const Image picture = testing::randomImage(37, 23, 7);
  testing::writeImage(dir / "picture.png", picture, testing::ImageFormat::Png);
  ASSERT_EQ(decoder.probe(dir / "picture.png").value_or(ImageSize{}).width, 37);
  const std::optional<DecodedPixels> decoded = decoder.decode(dir / "picture.png");
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->height, 23);
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 37; ++x) {
      ASSERT_EQ(decoded->pixels[y * 37 + x], picture.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST_F(WicDecoderTest, TransparencyEndsUpOnBlack) {
  const struct {
    std::uint32_t argb, expected;
  } cases[] = {
      {0x00FFFFFF, 0x000000},  // fully transparent white
      {0x80FF8040, 0x804020},  // half transparent: each channel halved, rounded
      {0xFF123456, 0x123456},  // opaque
  };
  for (const auto& c : cases) {
    const Image picture = testing::makeImage(2, 2, [&](int, int) { return c.argb; });
    testing::writeImage(dir / "alpha.png", picture, testing::ImageFormat::PngWithAlpha);
    const std::optional<DecodedPixels> decoded = decoder.decode(dir / "alpha.png");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->pixels[0], c.expected) << std::hex << c.argb;
  }
}

TEST_F(WicDecoderTest, TooLargeBrokenAndForeignFilesAreRefused) {
  testing::writePngHeaderOnly(dir / "huge.png", 40000, 40000);
  testing::writePngHeaderOnly(dir / "gigantic.png", 100'000, 100'000);
  testing::writeJpegHeaderOnly(dir / "gigantic.jpg", 65'535, 65'535);
  std::ofstream(dir / "notes.png", std::ios::binary) << "not a picture";
  for (const char* name :
       {"huge.png", "gigantic.png", "gigantic.jpg", "notes.png", "missing.png"}) {
    EXPECT_FALSE(decoder.probe(dir / name)) << name;
    EXPECT_FALSE(decoder.decode(dir / name)) << name;
    // Refused from the header: the rows never begin.
    BeginCounter sink;
    EXPECT_FALSE(decoder.decodeRows(dir / name, sink)) << name;
    EXPECT_EQ(sink.begins, 0) << name;
  }
}

TEST_F(WicDecoderTest, AJpegDecodesCloseToItsPixels) {
  const Image picture =
      testing::makeImage(64, 48, [](int x, int) { return x < 32 ? 0xFF2040C0u : 0xFFE0C020u; });
  testing::writeImage(dir / "photo.jpg", picture, testing::ImageFormat::Jpeg);
  const std::optional<DecodedPixels> decoded = decoder.decode(dir / "photo.jpg");
  ASSERT_TRUE(decoded);
  const std::uint32_t inside = decoded->pixels[24 * 64 + 8];
  EXPECT_NEAR(static_cast<int>((inside >> 16) & 0xFF), 0x20, 8);
  EXPECT_NEAR(static_cast<int>(inside & 0xFF), 0xC0, 8);
}

// The editor reaches its folder through the handle it opened at the start; a folder put at
// its name since is another's, and so are the pictures in it.
TEST_F(WicDecoderTest, APictureIsDecodedFromTheFileItsHeaderWasReadFrom) {
  const std::filesystem::path folder = dir / "chart";
  std::filesystem::create_directory(folder);
  const Image picture = testing::randomImage(5, 4, 1);
  testing::writeImage(folder / "a.png", picture, testing::ImageFormat::Png);
  const std::unique_ptr<FolderHold> hold = osFileSystem().holdFolder(folder);
  std::filesystem::rename(folder, dir / "moved");
  std::filesystem::create_directory(folder);
  testing::writeImage(folder / "a.png", testing::randomImage(9, 8, 2), testing::ImageFormat::Png);

  EXPECT_EQ(decoder.probe(folder / "a.png").value_or(ImageSize{}).width, 5);
  const std::optional<DecodedPixels> decoded = decoder.decode(folder / "a.png");
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->width, 5);
  EXPECT_EQ(decoded->pixels[3], picture.pixel(3, 0));
}

}  // namespace
}  // namespace zarq::win32
