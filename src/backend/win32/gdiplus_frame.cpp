#include "backend/win32/gdiplus_frame.h"

#include <objbase.h>

namespace zarq::win32 {
namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

Canvas& GdiplusFrame::startDrawing(std::uint32_t* pixels) {
  GdipCreateBitmapFromScan0(width(), height(), width() * 4, PixelFormat32bppARGB,
                            reinterpret_cast<BYTE*>(pixels), bitmap_.out());
  GdipGetImageGraphicsContext(bitmap_.get(), graphics_.out());
  GdipScaleWorldTransform(graphics_.get(), scale(), scale(), Gdiplus::MatrixOrderPrepend);
  return canvas_.emplace(graphics_, text_, scale());
}

void GdiplusFrame::stopDrawing() {
  canvas_.reset();
  // Deleting the graphics context finishes its drawing into the pixels.
  graphics_.reset();
  bitmap_.reset();
}

std::string GdiplusFrame::pngBytes() const {
  // GDI+ only reads the pixels while encoding.
  const std::uint32_t* pixels = shownPixels();
  GdipBitmap bitmap;
  if (GdipCreateBitmapFromScan0(width(), height(), width() * 4, PixelFormat32bppARGB,
                                reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)),
                                bitmap.out()) != Gdiplus::Ok) {
    return {};
  }
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
