#pragma once
// GDI+ started for as long as its owner lives; every other GDI+ object of the back end must
// be gone before it ends.

#include "backend/win32/gdiplus_object.h"
#include "backend/win32/owned_handle.h"

namespace zarq::win32 {

using GdiplusSession = OwnedHandle<ULONG_PTR, Gdiplus::GdiplusShutdown>;

// Version 1, no debug callback, GDI+'s own background thread and codecs; an empty session
// where GDI+ does not start.
inline GdiplusSession startGdiplus() {
  ULONG_PTR token = 0;
  const Gdiplus::GdiplusStartupInput input;
  const bool started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  return GdiplusSession(started ? token : 0);
}

}  // namespace zarq::win32
