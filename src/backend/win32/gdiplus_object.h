#pragma once
// One GDI+ object: its handle and the last non-zero status of the calls made on it. The
// status is kept for a look in a debugger; drawing goes on whatever it says, as a frame with
// a part missing is better than no frame.

#include "backend/win32/gdiplus_flat.h"

namespace zarq::win32 {

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
  // Records the status of a call made on the object and passes it on.
  GpStatus track(GpStatus status) {
    if (status != Gdiplus::Ok) lastStatus = status;
    return status;
  }

  GpStatus lastStatus = Gdiplus::Ok;

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
