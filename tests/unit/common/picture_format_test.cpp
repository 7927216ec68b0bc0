#include "common/picture_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace zarq {
namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out.push_back(static_cast<char>(v));
  return out;
}

// The format and size each header gives, the size sought past metadata where a format keeps
// it further on; whatever is no raster picture of an illustration's formats is Other.
TEST(PictureFormatTest, TheFirstBytesTellTheFormatAndTheSize) {
  const std::string png = "\x89PNG\r\n\x1A\n" + bytes({0, 0, 0, 13}) + "IHDR" +
                          bytes({0, 0, 0x07, 0x80, 0, 0, 0x04, 0x38});
  const std::string jpeg = bytes({0xFF, 0xD8, 0xFF, 0xE1, 0, 6}) + "Exif" +
                           bytes({0xFF, 0xFF, 0xC2, 0, 11, 8, 0x02, 0xD0, 0x03, 0xC0, 3});
  const std::string gif = "GIF89a" + bytes({10, 0, 10, 0, 0x81, 0, 0}) + std::string(12, '\0') +
                          bytes({0x21, 0xF9, 4, 1, 0, 0, 1, 0}) +
                          bytes({0x2C, 0, 0, 0, 0, 200, 0, 100, 0, 0});
  std::string bmp = "BM" + bytes({0,  0, 0, 0, 0,    0, 0, 0, 54,   0,    0,    0,
                                  40, 0, 0, 0, 0x20, 3, 0, 0, 0x20, 0xFD, 0xFF, 0xFF});
  bmp += std::string(60, '\0');
  const std::string webp = "RIFF" + bytes({0, 0, 0, 0}) + "WEBPVP8L" + bytes({0, 0, 0, 0}) +
                           bytes({0x2F, 0x3F, 0xC0, 0xF3, 0x01}) + std::string(8, '\0');
  const struct {
    const char* name;
    std::string content;
    PictureFormat format;
    long long width, height;
  } cases[] = {
      {"png", png, PictureFormat::Png, 1920, 1080},
      {"jpeg past its metadata", jpeg, PictureFormat::Jpeg, 960, 720},
      {"gif's first frame", gif, PictureFormat::Gif, 200, 100},
      {"bmp stored from the top", bmp, PictureFormat::Bmp, 800, 736},
      {"webp", webp, PictureFormat::Webp, 64, 2000},
      {"png cut in its header", png.substr(0, 12), PictureFormat::Other, 0, 0},
      {"jpeg without a frame", bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}), PictureFormat::Jpeg, 0, 0},
      {"bmp whose pixels lie past its end", bmp.substr(0, 40), PictureFormat::Bmp, 0, 0},
      {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><filter/></svg>", PictureFormat::Other, 0,
       0},
      {"tiff", "II*\0" + std::string(28, '\0'), PictureFormat::Other, 0, 0},
      {"empty", "", PictureFormat::Other, 0, 0},
  };
  testing::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path file = dir.write("picture", c.content);
    std::FILE* in = std::fopen(file.string().c_str(), "rb");
    ASSERT_TRUE(in);
    const PictureHeader header = readPictureHeader(in);
    std::fclose(in);
    EXPECT_EQ(header.format, c.format);
    EXPECT_EQ(header.width, c.width);
    EXPECT_EQ(header.height, c.height);
  }
}

}  // namespace
}  // namespace zarq
