#pragma once
// Pictures that tests make on the fly and write as real image files (gdk-pixbuf on Linux,
// GDI+ on Windows), so no image is ever committed.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "image/image.h"

namespace zarq::testing {

// Bmp stands for the formats no streaming decoder reads.
enum class ImageFormat { Png, PngWithAlpha, Jpeg, Bmp };

// Writes the image's 0xAARRGGBB pixels; the alpha byte is used only by PngWithAlpha. Aborts
// the test program if the file cannot be written.
void writeImage(const std::filesystem::path& file, const Image& image, ImageFormat format);

// An image whose pixel (x, y) is colourAt(x, y).
Image makeImage(int width, int height, const std::function<std::uint32_t(int, int)>& colourAt);

// Random 0x00RRGGBB pixels (or full 32-bit words), the same for the same seed.
Image randomImage(int width, int height, unsigned seed, bool fourthByteToo = false);

// A PNG file made of these chunks, after the signature: a chunk's CRC is right unless it is
// to be wrong.
struct PngChunk {
  const char* type;
  std::vector<unsigned char> data;
  bool wrongCrc = false;
};
void writePngChunks(const std::filesystem::path& file, const std::vector<PngChunk>& chunks);

// The first bytes of a PNG file whose header claims width x height, without its pixels.
void writePngHeaderOnly(const std::filesystem::path& file, std::uint32_t width,
                        std::uint32_t height, bool interlaced = false);

// The markers up to the start of the scan of a baseline JPEG of the given size, but no image
// data: enough for a reader to learn the size and get ready to decode. Four components make
// a CMYK picture.
void writeJpegHeaderOnly(const std::filesystem::path& file, int width, int height,
                         int components = 3);

}  // namespace zarq::testing
