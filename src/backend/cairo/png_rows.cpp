#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

[[noreturn]] void jumpOut(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void stayQuiet(png_structp, png_const_charp) {}

// Rows of RGB or RGBA bytes as 0x00RRGGBB words, alpha composited on black.
void toPixels(const png_byte* bytes, int channels, std::vector<std::uint32_t>& pixels) {
  const std::size_t width = pixels.size();
  for (std::size_t x = 0; x < width; ++x) {
    const png_byte* p = bytes + channels * x;
    const png_byte alpha = channels == 4 ? p[3] : 255;
    pixels[x] = alpha == 255 ? std::uint32_t{p[0]} << 16 | p[1] << 8 | p[2]
                             : onBlack(p[0], p[1], p[2], alpha);
  }
}

// libpng leaves this frame by longjmp on any error, so it holds nothing that needs a
// destructor; the row buffers belong to the caller.
RowDecoding readPng(std::FILE* file, RowSink& sink, std::vector<png_byte>& bytes,
                    std::vector<std::uint32_t>& pixels) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOut, stayQuiet);
  if (!png) return RowDecoding::Failed;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return RowDecoding::Failed;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return RowDecoding::Failed;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  const long long width = png_get_image_width(png, info);
  const long long height = png_get_image_height(png, info);
  if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
    png_destroy_read_struct(&png, &info, nullptr);
    return RowDecoding::NotMine;
  }
  if (width == 0 || height == 0 || width * height > kMaxImagePixels) {
    png_destroy_read_struct(&png, &info, nullptr);
    return RowDecoding::Failed;
  }
  // Palette, grey and 16-bit samples all become 8-bit RGB, with alpha if there is any.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_read_update_info(png, info);
  const int channels = png_get_channels(png, info);
  bytes.resize(png_get_rowbytes(png, info));
  pixels.resize(width);
  sink.begin(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < height; ++y) {
    if (sink.cancelled()) {
      png_destroy_read_struct(&png, &info, nullptr);
      return RowDecoding::Failed;
    }
    png_read_row(png, bytes.data(), nullptr);
    toPixels(bytes.data(), channels, pixels);
    sink.row(y, pixels.data());
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return RowDecoding::Done;
}

}  // namespace

RowDecoding decodePngRows(const std::filesystem::path& file, RowSink& sink) {
  const RowDecoding whole = decodePngWhole(file, sink);
  return whole != RowDecoding::NotMine ? whole : decodePngStreamed(file, sink);
}

RowDecoding decodePngStreamed(const std::filesystem::path& file, RowSink& sink) {
  const FileHandle stream = openRegularFile(file);
  if (!stream) return RowDecoding::Failed;
  std::vector<png_byte> bytes;
  std::vector<std::uint32_t> pixels;
  return readPng(stream.get(), sink, bytes, pixels);
}

}  // namespace zarq
