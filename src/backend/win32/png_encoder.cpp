#include "backend/win32/png_encoder.h"

#include <objbase.h>

#include "backend/win32/gdiplus_object.h"

namespace zarq::win32 {
namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// A GDI+ bitmap on the caller's pixels, which GDI+ only reads while encoding.
bool wrapPixels(GdipBitmap& bitmap, const std::uint32_t* pixels, int width, int height) {
  return GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                   reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)),
                                   bitmap.out()) == Gdiplus::Ok;
}

}  // namespace

bool writePngFile(const std::filesystem::path& file, const std::uint32_t* pixels, int width,
                  int height) {
  GdipBitmap bitmap;
  if (!wrapPixels(bitmap, pixels, width, height)) return false;
  return GdipSaveImageToFile(bitmap.get(), file.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

std::string encodePng(const std::uint32_t* pixels, int width, int height) {
  GdipBitmap bitmap;
  if (!wrapPixels(bitmap, pixels, width, height)) return {};
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
  std::string bytes;
  HGLOBAL memory = nullptr;
  if (GdipSaveImageToStream(bitmap.get(), stream, &kPngEncoder, nullptr) == Gdiplus::Ok &&
      SUCCEEDED(GetHGlobalFromStream(stream, &memory))) {
    ULARGE_INTEGER size{};
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_CUR, &size);
    if (const void* data = GlobalLock(memory)) {
      bytes.assign(static_cast<const char*>(data), static_cast<std::size_t>(size.QuadPart));
      GlobalUnlock(memory);
    }
  }
  stream->Release();
  return bytes;
}

}  // namespace zarq::win32
