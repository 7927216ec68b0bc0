#include "app/win32/window_metrics.h"

#include <algorithm>
#include <cmath>

namespace zarq::win32 {
namespace {

// Where Windows keeps the text size of its accessibility settings, in percent (100 to 225).
constexpr wchar_t kAccessibilityKey[] = L"Software\\Microsoft\\Accessibility";
constexpr wchar_t kTextScaleValue[] = L"TextScaleFactor";

}  // namespace

SIZE frameSizeAt(UINT dpi) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

SIZE baseClientSize() {
  const SIZE frame = frameSizeAt(kBaseDpi);
  return {kOuterWidth - frame.cx, kOuterHeight - frame.cy};
}

SIZE outerSizeFor(float scale, UINT dpi) {
  const SIZE client = baseClientSize();
  const SIZE frame = frameSizeAt(dpi);
  return {frame.cx + std::lround(client.cx * scale), frame.cy + std::lround(client.cy * scale)};
}

float desktopTextScale() {
  DWORD percent = 0;
  DWORD size = sizeof percent;
  if (RegGetValueW(HKEY_CURRENT_USER, kAccessibilityKey, kTextScaleValue, RRF_RT_REG_DWORD, nullptr,
                   &percent, &size) != ERROR_SUCCESS) {
    return 1;
  }
  return std::clamp<DWORD>(percent, 100, 225) / 100.0f;
}

RECT workAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    return info.rcWork;
  }
  RECT work{0, 0, 0, 0};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

}  // namespace zarq::win32
