#include "backend/cairo/row_decoding.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <png.h>
#include <webp/encode.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <vector>

#include "backend/cairo/picture_decoder.h"
#include "support/image_files.h"
#include "support/peak_memory.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

// Remembers what the decoder handed out, the fourth byte dropped.
struct RecordingSink final : RowSink {
  void begin(int w, int h) override {
    ++begins;
    width = w;
    height = h;
  }
  void row(int y, const std::uint32_t* pixels) override {
    EXPECT_EQ(y, rowsSeen++);
    for (int x = 0; x < width; ++x) picture.push_back(pixels[x] & 0x00FFFFFF);
  }
  int begins = 0, width = 0, height = 0, rowsSeen = 0;
  std::vector<std::uint32_t> picture;
};

// A PNG written by libpng itself, so that every colour type and depth can be tried: `sample`
// gives the raw samples of pixel (x, y), `expected` what the decoder must make of them.
struct PngCase {
  const char* name;
  int colourType, depth;
  bool interlaced;
  std::function<std::vector<int>(int x, int y)> sample;
  std::function<std::uint32_t(int x, int y)> expected;
};

// The test palette: four colours, the second transparent and the third half so.
constexpr png_byte kPaletteAlpha[4] = {255, 0, 128, 255};

void writePng(const std::filesystem::path& file, const PngCase& c, int width, int height) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_TRUE(out);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, out);
  png_set_IHDR(png, info, width, height, c.depth, c.colourType,
               c.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
    for (int i = 0; i < 4; ++i) palette.push_back({png_byte(60 * i), png_byte(255 - 60 * i), 7});
    png_set_PLTE(png, info, palette.data(), 4);
    png_byte alpha[4];
    std::copy(std::begin(kPaletteAlpha), std::end(kPaletteAlpha), alpha);
    png_set_tRNS(png, info, alpha, 4, nullptr);
  }
  png_write_info(png, info);
  std::vector<std::vector<png_byte>> rows(height);
  for (int y = 0; y < height; ++y) {
    int bits = 0;
    std::uint32_t acc = 0;
    for (int x = 0; x < width; ++x) {
      for (int s : c.sample(x, y)) {
        if (c.depth == 16) {
          rows[y].push_back(s >> 8);
          rows[y].push_back(s & 0xFF);
        } else if (c.depth == 8) {
          rows[y].push_back(s);
        } else {
          acc = acc << c.depth | s;
          bits += c.depth;
          if (bits == 8) rows[y].push_back(acc), acc = 0, bits = 0;
        }
      }
    }
    if (bits) rows[y].push_back(acc << (8 - bits));
  }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(out);
}

template <class... Samples>
std::vector<int> samples(Samples... values) {
  return {values...};
}
int over(int v, int a) { return (v * a + 127) / 255; }
std::uint32_t rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); }
std::uint32_t paletteOnBlack(int i) {
  const int a = kPaletteAlpha[i];
  return rgb(over(60 * i, a), over(255 - 60 * i, a), over(7, a));
}

TEST(RowDecodingTest, EveryPngColourTypeBecomesRgbOnBlack) {
  const int w = 13, h = 7;
  const PngCase cases[] = {
      {"rgb", PNG_COLOR_TYPE_RGB, 8, false,
       [](int x, int y) { return samples(x * 19, y * 36, 200); },
       [](int x, int y) { return rgb(x * 19, y * 36, 200); }},
      {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, false,
       [](int x, int y) { return samples(250, x * 19, 90, y * 40); },
       [](int x, int y) { return rgb(over(250, y * 40), over(x * 19, y * 40), over(90, y * 40)); }},
      {"grey", PNG_COLOR_TYPE_GRAY, 8, false, [](int x, int y) { return samples(x * 10 + y); },
       [](int x, int y) { return rgb(x * 10 + y, x * 10 + y, x * 10 + y); }},
      {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false,
       [](int x, int) { return samples(200, x * 20); },
       [](int x, int) { return rgb(over(200, x * 20), over(200, x * 20), over(200, x * 20)); }},
      {"16-bit", PNG_COLOR_TYPE_RGB, 16, false,
       [](int x, int y) { return samples(x * 5000, 65535, y * 9000 + 255); },
       [](int x, int y) { return rgb(x * 5000 >> 8, 255, (y * 9000 + 255) >> 8); }},
      {"one-bit grey", PNG_COLOR_TYPE_GRAY, 1, false,
       [](int x, int y) { return samples((x + y) % 2); },
       [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0u; }},
      {"palette with transparency", PNG_COLOR_TYPE_PALETTE, 2, false,
       [](int x, int) { return samples(x % 4); }, [](int x, int) { return paletteOnBlack(x % 4); }},
      {"8-bit palette", PNG_COLOR_TYPE_PALETTE, 8, false,
       [](int x, int y) { return samples((x + y) % 4); },
       [](int x, int y) { return paletteOnBlack((x + y) % 4); }},
      {"interlaced", PNG_COLOR_TYPE_RGB, 8, true,
       [](int x, int y) { return samples(x * 19, y * 36, 17); },
       [](int x, int y) { return rgb(x * 19, y * 36, 17); }},
  };
  testing::TempDir dir;
  PictureDecoder decoder;
  for (const PngCase& c : cases) {
    const auto file = dir / (std::string(c.name) + ".png");
    writePng(file, c, w, h);
    RecordingSink sink;
    ASSERT_TRUE(decoder.decodeRows(file, sink)) << c.name;
    ASSERT_EQ(sink.begins, 1) << c.name;
    ASSERT_EQ(sink.rowsSeen, h) << c.name;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        ASSERT_EQ(sink.picture[y * w + x], c.expected(x, y)) << c.name << " at " << x << "," << y;
      }
    }
    const std::optional<DecodedPixels> whole = decoder.decode(file);
    ASSERT_TRUE(whole) << c.name;
    EXPECT_EQ(whole->pixels, sink.picture) << c.name;
    // The 8-bit forms are held whole; libpng streaming them gives the same pixels.
    RecordingSink held, streamed;
    EXPECT_EQ(decodePngWhole(file, held) == RowDecoding::Done, c.depth == 8 && !c.interlaced)
        << c.name;
    if (c.interlaced) continue;  // gdk-pixbuf's, not libpng's to stream
    ASSERT_EQ(decodePngStreamed(file, streamed), RowDecoding::Done) << c.name;
    EXPECT_EQ(streamed.picture, sink.picture) << c.name;
  }
}

// An 8-bit RGB header, and the pixel data as one stored (uncompressed) zlib stream.
std::vector<unsigned char> rgbHeader(int width, int height) {
  return {
      0, 0, 0, static_cast<unsigned char>(width), 0, 0, 0, static_cast<unsigned char>(height), 8, 2,
      0, 0, 0};
}
std::vector<unsigned char> zlibStored(const std::vector<unsigned char>& raw) {
  const auto n = static_cast<unsigned>(raw.size());
  std::vector<unsigned char> z = {0x78,
                                  0x01,
                                  0x01,
                                  static_cast<unsigned char>(n),
                                  static_cast<unsigned char>(n >> 8),
                                  static_cast<unsigned char>(~n),
                                  static_cast<unsigned char>(~n >> 8)};
  z.insert(z.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
  for (int shift = 24; shift >= 0; shift -= 8) z.push_back(((b << 16 | a) >> shift) & 0xFF);
  return z;
}

// Files a writer would not make: whatever the reader that holds a picture whole does with
// one, it must end as libpng streaming it ends, with the same pixels or the same failure.
TEST(RowDecodingTest, OddPngFilesEndAsLibpngEndsThem) {
  // Two rows of 20 RGB pixels: None, then Sub; long enough that moving the data of the
  // first chunk together reaches over the header of the next.
  std::vector<unsigned char> raw = {0};
  for (int i = 0; i < 60; ++i) raw.push_back(static_cast<unsigned char>(i * 7));
  raw.push_back(1);
  for (int i = 0; i < 60; ++i) raw.push_back(static_cast<unsigned char>(i % 5));
  const std::vector<unsigned char> z = zlibStored(raw);
  const auto part = [&](std::size_t from, std::size_t to) {
    return std::vector<unsigned char>(z.begin() + from, z.begin() + std::min(to, z.size()));
  };
  std::vector<unsigned char> badFilter = raw;
  badFilter[61] = 5;
  const std::vector<unsigned char> rgb = rgbHeader(20, 2);
  const std::vector<unsigned char> palette = {0, 0, 0, 8, 0, 0, 0, 1, 8, 3, 0, 0, 0};
  // `held`: whether the reader that holds a picture whole takes it rather than leave it.
  const struct {
    const char* name;
    bool held;
    std::vector<testing::PngChunk> chunks;
  } cases[] = {
      {"plain", true, {{"IHDR", rgb}, {"IDAT", z}, {"IEND", {}}}},
      {"data in three chunks, text between",
       true,
       {{"IHDR", rgb},
        {"tEXt", {'a', 0, 'b'}},
        {"IDAT", part(0, 60)},
        {"IDAT", part(60, 90)},
        {"IDAT", part(90, 999)},
        {"tEXt", {'c', 0}},
        {"IEND", {}}}},
      {"no end chunk", false, {{"IHDR", rgb}, {"IDAT", z}}},
      {"a text chunk's CRC wrong", false, {{"IHDR", rgb}, {"tEXt", {'a', 0}, true}, {"IDAT", z}}},
      {"the data's CRC wrong", false, {{"IHDR", rgb}, {"IDAT", z, true}, {"IEND", {}}}},
      {"data cut short", false, {{"IHDR", rgb}, {"IDAT", part(0, z.size() - 6)}, {"IEND", {}}}},
      {"a filter that does not exist",
       false,
       {{"IHDR", rgb}, {"IDAT", zlibStored(badFilter)}, {"IEND", {}}}},
      {"an unknown critical chunk", false, {{"IHDR", rgb}, {"ABCD", {1}}, {"IDAT", z}}},
      {"palette indices beyond the palette",
       true,
       {{"IHDR", palette},
        {"PLTE", {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}},
        {"tRNS", {0, 128}},
        {"IDAT", zlibStored({0, 0, 1, 2, 3, 4, 5, 6, 7})},
        {"IEND", {}}}},
  };
  testing::TempDir dir;
  for (const auto& c : cases) {
    const std::filesystem::path file = dir / "odd.png";
    testing::writePngChunks(file, c.chunks);
    RecordingSink held, read, streamed;
    EXPECT_EQ(decodePngWhole(file, held) != RowDecoding::NotMine, c.held) << c.name;
    const bool readDone = PictureDecoder().decodeRows(file, read);
    EXPECT_EQ(readDone, decodePngStreamed(file, streamed) == RowDecoding::Done) << c.name;
    if (readDone) {
      EXPECT_EQ(read.picture, streamed.picture) << c.name;
    }
  }
}

TEST(RowDecodingTest, AStreamedJpegMatchesGdkPixbufsDecoding) {
  testing::TempDir dir;
  const Image picture = testing::randomImage(67, 41, 3);
  testing::writeImage(dir / "chart.jpg", picture, testing::ImageFormat::Jpeg);
  RecordingSink sink;
  ASSERT_TRUE(PictureDecoder().decodeRows(dir / "chart.jpg", sink));
  ASSERT_EQ(sink.width, 67);
  ASSERT_EQ(sink.rowsSeen, 41);
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file((dir / "chart.jpg").c_str(), nullptr);
  ASSERT_TRUE(pixbuf);
  const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 67; ++x) {
      const guchar* p = data + y * stride + 3 * x;
      ASSERT_EQ(sink.picture[y * 67 + x], rgb(p[0], p[1], p[2])) << x << "," << y;
    }
  }
  g_object_unref(pixbuf);
}

// Asks for at most `useful` and gives up after `rowsWanted` rows.
struct ShrinkingSink final : RowSink {
  ImageSize usefulSize(ImageSize stored) override {
    storedSize = stored;
    return useful;
  }
  bool cancelled() const override { return recorded.rowsSeen >= rowsWanted; }
  void begin(int w, int h) override { recorded.begin(w, h); }
  void row(int y, const std::uint32_t* pixels) override { recorded.row(y, pixels); }
  ImageSize useful;
  int rowsWanted = 1 << 30;
  ImageSize storedSize;
  RecordingSink recorded;
};

TEST(RowDecodingTest, AJpegIsShrunkWhileDecodedByAsMuchAsTheSinkCanSpare) {
  testing::TempDir dir;
  testing::writeImage(dir / "big.jpg", testing::randomImage(1600, 1201, 5),
                      testing::ImageFormat::Jpeg);
  const struct {
    ImageSize useful;
    int width, height;
  } cases[] = {
      {{1600, 1201}, 1600, 1201}, {{801, 600}, 1600, 1201}, {{800, 600}, 800, 601},
      {{400, 301}, 400, 301},     {{400, 302}, 800, 601},   {{10, 10}, 200, 151},
  };
  for (const auto& c : cases) {
    ShrinkingSink sink;
    sink.useful = c.useful;
    ASSERT_TRUE(PictureDecoder().decodeRows(dir / "big.jpg", sink));
    EXPECT_EQ(sink.storedSize.width, 1600);
    EXPECT_EQ(sink.storedSize.height, 1201);
    EXPECT_EQ(sink.recorded.width, c.width) << c.useful.width << "x" << c.useful.height;
    EXPECT_EQ(sink.recorded.height, c.height) << c.useful.width << "x" << c.useful.height;
    EXPECT_EQ(sink.recorded.rowsSeen, c.height);
  }
}

TEST(RowDecodingTest, APictureNoLongerWantedStopsBeingDecoded) {
  testing::TempDir dir;
  const Image picture = testing::randomImage(64, 48, 9);
  testing::writeImage(dir / "chart.jpg", picture, testing::ImageFormat::Jpeg);
  testing::writeImage(dir / "chart.png", picture, testing::ImageFormat::Png);
  testing::writeImage(dir / "chart.bmp", picture, testing::ImageFormat::Bmp);
  for (const char* name : {"chart.jpg", "chart.png", "chart.bmp"}) {
    ShrinkingSink sink;
    sink.useful = {64, 48};
    sink.rowsWanted = 5;
    EXPECT_FALSE(PictureDecoder().decodeRows(dir / name, sink)) << name;
    EXPECT_EQ(sink.recorded.rowsSeen, 5) << name;
  }
}

// Exactly a hundred megapixels are still accepted: the readers get as far as announcing the
// picture.
TEST(RowDecodingTest, HeadersClaimingOverAHundredMegapixelsAreRefusedBeforeDecoding) {
  testing::TempDir dir;
  testing::writeJpegHeaderOnly(dir / "small.jpg", 64, 48);
  testing::writeJpegHeaderOnly(dir / "huge.jpg", 20000, 20000);
  testing::writePngHeaderOnly(dir / "small.png", 64, 48);
  testing::writePngHeaderOnly(dir / "huge.png", 20000, 20000);
  testing::writePngHeaderOnly(dir / "big.png", 10001, 10000);
  testing::writePngHeaderOnly(dir / "fine.png", 10000, 10000);
  const struct {
    const char* name;
    int width;  // 0: refused
  } cases[] = {{"small.jpg", 64}, {"small.png", 64}, {"fine.png", 10000},
               {"huge.jpg", 0},   {"huge.png", 0},   {"big.png", 0}};
  PictureDecoder decoder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSink sink;
    const bool done = decoder.decodeRows(dir / c.name, sink);
    EXPECT_EQ(sink.begins, c.width ? 1 : 0);
    const std::optional<ImageSize> probed = decoder.probe(dir / c.name);
    EXPECT_EQ(probed ? probed->width : 0, c.width);
    if (!c.width) {
      EXPECT_FALSE(done);
      EXPECT_FALSE(decoder.decode(dir / c.name));
    }
  }
}

// A BMP header (file and info header) claiming width x height, 24 bits a pixel, no pixels.
void writeBmpHeaderOnly(const std::filesystem::path& file, std::uint32_t width,
                        std::uint32_t height) {
  std::vector<unsigned char> b = {'B', 'M'};
  auto put32 = [&](std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) b.push_back((v >> shift) & 0xFF);
  };
  put32(54);  // file size: the headers alone
  put32(0);
  put32(54);  // pixels start after the headers
  put32(40);
  put32(width);
  put32(height);
  for (unsigned char c : {1, 0, 24, 0}) b.push_back(c);  // one plane, 24 bits
  for (int i = 0; i < 6; ++i) put32(0);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// Every way into the decoder: the streaming readers and those of gdk-pixbuf behind them
// (interlaced PNG, CMYK JPEG, everything else). Ten billion pixels would need 40 GB; the
// header alone must turn them away.
TEST(RowDecodingTest, GiganticHeadersAreRefusedBeforeAnyLargeAllocation) {
  testing::TempDir dir;
  const struct {
    const char* name;
    std::function<void(const std::filesystem::path&)> write;
  } cases[] = {
      {"huge.png", [](auto& f) { testing::writePngHeaderOnly(f, 100'000, 100'000); }},
      {"interlaced.png", [](auto& f) { testing::writePngHeaderOnly(f, 100'000, 100'000, true); }},
      // A JPEG stores its sides in 16 bits: its largest claim is 65,535 x 65,535.
      {"huge.jpg", [](auto& f) { testing::writeJpegHeaderOnly(f, 65'535, 65'535); }},
      {"cmyk.jpg", [](auto& f) { testing::writeJpegHeaderOnly(f, 65'535, 65'535, 4); }},
      {"huge.bmp", [](auto& f) { writeBmpHeaderOnly(f, 100'000, 100'000); }},
  };
  PictureDecoder decoder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path file = dir / c.name;
    c.write(file);
    const bool measured = testing::resetPeakMemory();
    const std::size_t before = testing::currentMemory();
    RecordingSink sink;
    EXPECT_FALSE(decoder.probe(file));
    EXPECT_FALSE(decoder.decode(file));
    EXPECT_FALSE(decoder.decodeRows(file, sink));
    EXPECT_EQ(sink.begins, 0);
    if (measured) {
      EXPECT_LT(testing::peakGrowthSince(before), std::size_t{16} << 20);
    }
  }
}

TEST(RowDecodingTest, ATruncatedPngFails) {
  testing::TempDir dir;
  testing::writeImage(dir / "whole.png", testing::randomImage(50, 50, 1),
                      testing::ImageFormat::Png);
  const std::string bytes = testing::contents(dir / "whole.png");
  dir.write("cut.png", bytes.substr(0, bytes.size() / 2));
  RecordingSink sink;
  EXPECT_FALSE(PictureDecoder().decodeRows(dir / "cut.png", sink));
}

// Each raster format reaches its own decoder, the transparent parts black; a file in any
// other format, whatever its name, reaches none, however long it would take to draw.
TEST(PictureDecoderTest, DecodesTheIllustrationsFormatsAndNothingElse) {
  testing::TempDir dir;
  // Two pixels, red and (transparent) blue, as a GIF whose graphic control extension makes
  // the second colour transparent.
  const std::string gif = std::string("GIF89a\x02\x00\x01\x00\x80\x00\x00", 13) +
                          std::string("\xFF\x00\x00\x00\x00\xFF", 6) +
                          std::string("\x21\xF9\x04\x01\x00\x00\x01\x00", 8) +
                          std::string("\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00", 10) +
                          std::string("\x02\x02\x44\x0A\x00\x3B", 6);
  dir.write("chart.gif", gif);
  const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 0};
  std::uint8_t* webp = nullptr;
  const std::size_t webpSize = WebPEncodeLosslessRGBA(rgba, 2, 1, 8, &webp);
  ASSERT_GT(webpSize, 0u);
  dir.write("chart.webp", std::string(reinterpret_cast<const char*>(webp), webpSize));
  WebPFree(webp);
  testing::writeImage(dir / "chart.bmp",
                      testing::makeImage(2, 1, [](int x, int) { return x == 0 ? 0xFF0000u : 0u; }),
                      testing::ImageFormat::Bmp);
  dir.write("blur.PNG",
            "<svg xmlns='http://www.w3.org/2000/svg' width='20000' height='20000'><filter id='f'>"
            "<feGaussianBlur stdDeviation='5000'/></filter><rect width='20000' height='20000' "
            "filter='url(#f)'/></svg>");
  PictureDecoder decoder;
  for (const char* name : {"chart.gif", "chart.webp", "chart.bmp"}) {
    SCOPED_TRACE(name);
    RecordingSink sink;
    ASSERT_TRUE(decoder.decodeRows(dir / name, sink));
    EXPECT_EQ(sink.picture, (std::vector<std::uint32_t>{0xFF0000, 0}));
    EXPECT_EQ(decoder.probe(dir / name)->width, 2);
  }
  RecordingSink sink;
  EXPECT_FALSE(decoder.probe(dir / "blur.PNG"));
  EXPECT_FALSE(decoder.decodeRows(dir / "blur.PNG", sink));
  EXPECT_EQ(sink.begins, 0);
}

}  // namespace
}  // namespace zarq
