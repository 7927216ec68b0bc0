#pragma once
// The window's size at any scale: outer 960 x 720 at 100 %, and at other scales the same
// logical client area, so that the page keeps its place and nothing is cut off.

#include <windows.h>

namespace zarq::win32 {

inline constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD kWindowExStyle = WS_EX_ACCEPTFILES;
inline constexpr int kOuterWidth = 960;
inline constexpr int kOuterHeight = 720;
inline constexpr UINT kBaseDpi = USER_DEFAULT_SCREEN_DPI;

// Device pixels per logical pixel at `dpi`.
inline float scaleOf(UINT dpi) { return static_cast<float>(dpi) / kBaseDpi; }

// The outer size of the window at `dpi`: the client area an outer 960 x 720 window has at
// 100 %, scaled, plus the frame at `dpi`.
SIZE outerSizeAt(UINT dpi);

}  // namespace zarq::win32
