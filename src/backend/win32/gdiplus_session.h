#pragma once
// GDI+ started for the lifetime of the object; every other GDI+ object of the back end
// must be gone before it ends.

#include <basetsd.h>

namespace zarq::win32 {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

}  // namespace zarq::win32
