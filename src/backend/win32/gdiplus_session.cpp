#include "backend/win32/gdiplus_session.h"

#include "backend/win32/gdiplus_object.h"

namespace zarq::win32 {

GdiplusSession::GdiplusSession() {
  // Version 1, no debug callback, GDI+'s own background thread and codecs.
  Gdiplus::GdiplusStartupInput input;
  started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
  if (started_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace zarq::win32
