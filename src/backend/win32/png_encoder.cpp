#include "backend/win32/png_encoder.h"

#include "backend/win32/gdiplus_object.h"

namespace zarq::win32 {
namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

bool writePngFile(const std::filesystem::path& file, const std::uint32_t* pixels, int width,
                  int height) {
  GdipBitmap bitmap;
  // GDI+ only reads the pixels while encoding.
  if (bitmap.track(GdipCreateBitmapFromScan0(
          width, height, width * 4, PixelFormat32bppARGB,
          reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)), bitmap.out())) !=
      Gdiplus::Ok) {
    return false;
  }
  return bitmap.track(GdipSaveImageToFile(bitmap.get(), file.c_str(), &kPngEncoder, nullptr)) ==
         Gdiplus::Ok;
}

}  // namespace zarq::win32
