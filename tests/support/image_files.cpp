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

void writePngHeaderOnly(const std::filesystem::path& file, std::uint32_t width,
                        std::uint32_t height) {
  std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto putChunk = [&](const char* type, std::vector<unsigned char> data) {
    std::vector<unsigned char> chunk(type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    putBigEndian(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    putBigEndian(bytes, crc32(chunk.data(), chunk.size()));
  };
  std::vector<unsigned char> header;
  putBigEndian(header, width);
  putBigEndian(header, height);
  for (unsigned char b : {8, 2, 0, 0, 0}) header.push_back(b);  // 8-bit RGB, no interlace
  putChunk("IHDR", header);
  // The start of the pixel data, so that readers go past the header, but no pixels.
  putChunk("IDAT", {0x78, 0x9C});
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zarq::testing
