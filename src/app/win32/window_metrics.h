#pragma once
// The window's size at any scale: outer 960 x 720 at 100 %, and at other scales the same
// logical client area, so that the page keeps its place and nothing is cut off. The scale is
// the monitor's DPI times the desktop's text size and the user's zoom, made smaller where the
// window would reach past the work area of its monitor.

#include <windows.h>

namespace zarq::win32 {

inline constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD kWindowExStyle = WS_EX_ACCEPTFILES;
inline constexpr int kOuterWidth = 960;
inline constexpr int kOuterHeight = 720;
inline constexpr UINT kBaseDpi = USER_DEFAULT_SCREEN_DPI;

// Device pixels per logical pixel at `dpi`.
inline float scaleOf(UINT dpi) { return static_cast<float>(dpi) / kBaseDpi; }

// The client area an outer 960 x 720 window has at 100 %, in the form's pixels.
SIZE baseClientSize();
// The caption and borders of the window at `dpi`, in device pixels.
SIZE frameSizeAt(UINT dpi);
// The outer size of the window whose client area shows the base client area at `scale`
// device pixels per pixel of the form, with the frame at `dpi`.
SIZE outerSizeFor(float scale, UINT dpi);

// The desktop's text size (Settings > Accessibility > Text size) as a factor, 1 by default.
float desktopTextScale();
// The work area of the monitor `window` is on (the screen less the taskbar).
RECT workAreaOf(HWND window);

}  // namespace zarq::win32
