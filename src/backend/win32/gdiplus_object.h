#pragma once
// One GDI+ object, deleted with its owner. Drawing goes on whatever status a call returns, as
// a frame with a part missing is better than no frame.
//
// The back end keeps to GDI+'s flat interface, plain functions over handles (no C++ wrapper
// classes of GDI+'s own), so every handle has an owner.

// clang-format off
#include <windows.h>
#include <gdiplus.h>
// clang-format on

namespace zarq::win32 {

using namespace Gdiplus::DllExports;
using Gdiplus::GpStatus;

template <typename Handle, auto Delete>
class GdipObject {
 public:
  GdipObject() = default;
  ~GdipObject() {
    if (handle_) Delete(handle_);
  }
  GdipObject(const GdipObject&) = delete;
  GdipObject& operator=(const GdipObject&) = delete;

  Handle* get() const { return handle_; }
  // Where a creating call stores the new handle; a handle held before is released.
  Handle** out() {
    if (handle_) Delete(handle_);
    handle_ = nullptr;
    return &handle_;
  }
  void reset() { out(); }

 private:
  Handle* handle_ = nullptr;
};

using GdipGraphics = GdipObject<Gdiplus::GpGraphics, GdipDeleteGraphics>;
using GdipBitmap = GdipObject<Gdiplus::GpBitmap, GdipDisposeImage>;
using GdipFontFamily = GdipObject<Gdiplus::GpFontFamily, GdipDeleteFontFamily>;
using GdipFont = GdipObject<Gdiplus::GpFont, GdipDeleteFont>;
using GdipStringFormat = GdipObject<Gdiplus::GpStringFormat, GdipDeleteStringFormat>;
using GdipBrush = GdipObject<Gdiplus::GpBrush, GdipDeleteBrush>;
using GdipPen = GdipObject<Gdiplus::GpPen, GdipDeletePen>;
using GdipPath = GdipObject<Gdiplus::GpPath, GdipDeletePath>;

}  // namespace zarq::win32
