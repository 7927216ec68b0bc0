// Test pictures written with GDI+'s encoders.

#include <cstdlib>
#include <vector>

#include "backend/win32/gdiplus_object.h"
#include "backend/win32/gdiplus_session.h"
#include "support/image_files.h"

namespace zarq::testing {
namespace {

using namespace win32;

constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr CLSID kJpegEncoder = {
    0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr CLSID kBmpEncoder = {
    0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
// GDI+'s EncoderQuality parameter.
constexpr GUID kQuality = {
    0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};

}  // namespace

void writeImage(const std::filesystem::path& file, const Image& image, ImageFormat format) {
  const GdiplusSession session = startGdiplus();
  const int width = image.getWidth();
  const int height = image.getHeight();
  // Opaque formats get opaque pixels whatever the fourth byte holds.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = image.pixel(x, y);
      pixels[static_cast<std::size_t>(y) * width + x] =
          format == ImageFormat::PngWithAlpha ? p : (p | 0xFF000000);
    }
  }
  const bool png = format == ImageFormat::Png || format == ImageFormat::PngWithAlpha;
  GdipBitmap bitmap;
  if (GdipCreateBitmapFromScan0(
          width, height, width * 4, png ? PixelFormat32bppARGB : PixelFormat32bppRGB,
          reinterpret_cast<BYTE*>(pixels.data()), bitmap.out()) != Gdiplus::Ok) {
    std::abort();
  }
  ULONG quality = 95;
  Gdiplus::EncoderParameters parameters{};
  parameters.Count = 1;
  parameters.Parameter[0] = {kQuality, 1, Gdiplus::EncoderParameterValueTypeLong, &quality};
  const GpStatus saved =
      png ? GdipSaveImageToFile(bitmap.get(), file.c_str(), &kPngEncoder, nullptr)
      : format == ImageFormat::Jpeg
          ? GdipSaveImageToFile(bitmap.get(), file.c_str(), &kJpegEncoder, &parameters)
          : GdipSaveImageToFile(bitmap.get(), file.c_str(), &kBmpEncoder, nullptr);
  if (saved != Gdiplus::Ok) std::abort();
}

}  // namespace zarq::testing
