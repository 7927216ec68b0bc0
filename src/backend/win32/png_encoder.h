#pragma once
// PNG files written by GDI+'s own encoder.

#include <cstdint>
#include <filesystem>
#include <string>

namespace zarq::win32 {

// Writes `width` x `height` pixels 0xAARRGGBB, rows from the top; false when the file
// cannot be written. GDI+ must be running.
bool writePngFile(const std::filesystem::path& file, const std::uint32_t* pixels, int width,
                  int height);
// The same pixels as the bytes of a PNG file; empty when they cannot be encoded.
std::string encodePng(const std::uint32_t* pixels, int width, int height);

}  // namespace zarq::win32
