#pragma once
// The GDI+ objects the back end uses, each deleted with its owner. Drawing goes on whatever
// status a call returns, as a frame with a part missing is better than no frame.
//
// The back end keeps to GDI+'s flat interface, plain functions over handles (no C++ wrapper
// classes of GDI+'s own), so every handle has an owner.

// clang-format off
#include <windows.h>
#include <gdiplus.h>
// clang-format on

#include "backend/win32/owned_handle.h"

namespace zarq::win32 {

using namespace Gdiplus::DllExports;
using Gdiplus::GpStatus;

using GdipGraphics = OwnedHandle<Gdiplus::GpGraphics*, GdipDeleteGraphics>;
using GdipBitmap = OwnedHandle<Gdiplus::GpBitmap*, GdipDisposeImage>;
using GdipFontFamily = OwnedHandle<Gdiplus::GpFontFamily*, GdipDeleteFontFamily>;
using GdipFont = OwnedHandle<Gdiplus::GpFont*, GdipDeleteFont>;
using GdipStringFormat = OwnedHandle<Gdiplus::GpStringFormat*, GdipDeleteStringFormat>;
using GdipBrush = OwnedHandle<Gdiplus::GpBrush*, GdipDeleteBrush>;
using GdipPen = OwnedHandle<Gdiplus::GpPen*, GdipDeletePen>;
using GdipPath = OwnedHandle<Gdiplus::GpPath*, GdipDeletePath>;

}  // namespace zarq::win32
