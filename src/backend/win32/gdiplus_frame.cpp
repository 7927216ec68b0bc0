#include "backend/win32/gdiplus_frame.h"

#include <objbase.h>

namespace zarq::win32 {
namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

GdiplusFrame::GdiplusFrame(GdiplusText& text, float scale) : text_(text), scale_(scale) {}

void GdiplusFrame::setScale(float scale) {
  if (scale == scale_) return;
  scale_ = scale;
  letGo();
}

void GdiplusFrame::letGo() {
  canvas_.reset();
  graphics_.reset();
  bitmap_.reset();
  // clear() would keep the memory.
  std::vector<std::uint32_t>().swap(drawing_);
  std::vector<std::uint32_t>().swap(shown_);
}

void GdiplusFrame::makePixels() const {
  if (!shown_.empty()) return;
  const std::size_t count = static_cast<std::size_t>(width()) * height();
  drawing_.assign(count, 0xFF000000);
  shown_.assign(count, 0xFF000000);
  GdipCreateBitmapFromScan0(width(), height(), width() * 4, PixelFormat32bppARGB,
                            reinterpret_cast<BYTE*>(drawing_.data()), bitmap_.out());
}

Canvas& GdiplusFrame::beginFrame() {
  makePixels();
  canvas_.reset();
  GdipGetImageGraphicsContext(bitmap_.get(), graphics_.out());
  GdipGraphicsClear(graphics_.get(), 0xFF000000);
  GdipScaleWorldTransform(graphics_.get(), scale_, scale_, Gdiplus::MatrixOrderPrepend);
  canvas_.emplace(graphics_, text_, scale_);
  return *canvas_;
}

void GdiplusFrame::present() {
  makePixels();
  canvas_.reset();
  // Deleting the graphics context finishes its drawing into the pixels.
  graphics_.reset();
  shown_ = drawing_;
  ++framesPresented_;
  if (onPresent_) onPresent_();
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
