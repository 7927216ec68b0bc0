#include "support/image_files.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace zarq::testing {

Image makeImage(int width, int height, const std::function<std::uint32_t(int, int)>& colourAt) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.row(y)[x] = colourAt(x, y);
  }
  return image;
}

Image randomImage(int width, int height, unsigned seed, bool fourthByteToo) {
  std::mt19937 random(seed);
  const std::uint32_t mask = fourthByteToo ? 0xFFFFFFFF : 0x00FFFFFF;
  return makeImage(width, height, [&](int, int) { return random() & mask; });
}

namespace {

std::uint32_t crc32(const unsigned char* bytes, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

void putBigEndian(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

}  // namespace

void writePngChunks(const std::filesystem::path& file, const std::vector<PngChunk>& chunks) {
  std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const PngChunk& c : chunks) {
    std::vector<unsigned char> chunk(c.type, c.type + 4);
    chunk.insert(chunk.end(), c.data.begin(), c.data.end());
    putBigEndian(bytes, static_cast<std::uint32_t>(c.data.size()));
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    putBigEndian(bytes, crc32(chunk.data(), chunk.size()) ^ (c.wrongCrc ? 1 : 0));
  }
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void writePngHeaderOnly(const std::filesystem::path& file, std::uint32_t width,
                        std::uint32_t height, bool interlaced) {
  std::vector<unsigned char> header;
  putBigEndian(header, width);
  putBigEndian(header, height);
  for (unsigned char b : {8, 2, 0, 0}) header.push_back(b);  // 8-bit RGB
  header.push_back(interlaced ? 1 : 0);
  // The start of the pixel data, so that readers go past the header, but no pixels.
  writePngChunks(file, {{"IHDR", header}, {"IDAT", {0x78, 0x9C}}});
}

void writeJpegHeaderOnly(const std::filesystem::path& file, int width, int height, int components) {
  std::vector<unsigned char> b = {0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};
  b.insert(b.end(), 64, 1);
  const auto frameLength = static_cast<unsigned char>(8 + 3 * components);
  for (unsigned char c : {0xFF, 0xC0, 0, static_cast<int>(frameLength), 8}) b.push_back(c);
  for (int v : {height, width}) b.push_back(v >> 8), b.push_back(v & 0xFF);
  b.push_back(static_cast<unsigned char>(components));
  for (int id = 1; id <= components; ++id) {
    b.insert(b.end(), {static_cast<unsigned char>(id), 0x11, 0});
  }
  const auto scanLength = static_cast<unsigned char>(6 + 2 * components);
  b.insert(b.end(), {0xFF, 0xDA, 0, scanLength, static_cast<unsigned char>(components)});
  for (int id = 1; id <= components; ++id) b.insert(b.end(), {static_cast<unsigned char>(id), 0});
  for (unsigned char c : {0, 63, 0, 0xFF, 0xD9}) b.push_back(c);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace zarq::testing
