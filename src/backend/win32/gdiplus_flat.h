#pragma once
// The GDI+ flat interface: plain functions over handles. The back end keeps to it (no C++
// wrapper classes of GDI+'s own), so every handle has an owner that records its status.

// clang-format off
#include <windows.h>
#include <gdiplus.h>
// clang-format on

namespace zarq::win32 {

using namespace Gdiplus::DllExports;
using Gdiplus::GpStatus;

}  // namespace zarq::win32
