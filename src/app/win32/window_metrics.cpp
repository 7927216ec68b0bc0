#include "app/win32/window_metrics.h"

#include <cmath>

namespace zarq::win32 {
namespace {

SIZE frameAt(UINT dpi) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

SIZE outerSizeAt(UINT dpi) {
  if (dpi == kBaseDpi) return {kOuterWidth, kOuterHeight};
  const SIZE baseFrame = frameAt(kBaseDpi);
  const SIZE frame = frameAt(dpi);
  const float scale = scaleOf(dpi);
  return {frame.cx + std::lround((kOuterWidth - baseFrame.cx) * scale),
          frame.cy + std::lround((kOuterHeight - baseFrame.cy) * scale)};
}

}  // namespace zarq::win32
