#include "editor/window_scale.h"

#include <algorithm>
#include <cmath>

namespace zarq {

double formScale(double textScale, int zoomPercent, double clientWidth, double clientHeight,
                 double roomWidth, double roomHeight) {
  // A desktop that reports no text size, or a nonsensical one, is taken at its default.
  if (!(textScale > 0) || !std::isfinite(textScale)) textScale = 1;
  double scale = textScale * zoomPercent / 100.0;
  if (roomWidth > 0 && roomHeight > 0) {
    scale = std::min({scale, roomWidth / clientWidth, roomHeight / clientHeight});
  }
  return std::max(scale, kMinFormScale);
}

int shownZoom(double textScale, int zoomPercent, double scale) {
  if (!(textScale > 0) || !std::isfinite(textScale)) textScale = 1;
  // The Windows frame keeps its scale as a float: 1.5 x 110 % is 1.64999997 there, which is
  // still 110 %, not 109.
  return std::min(zoomPercent, static_cast<int>(std::floor(scale / textScale * 100 + 1e-3)));
}

int scaledLength(double formPixels, double scale) {
  return std::max(1, static_cast<int>(std::floor(formPixels * scale + 0.5)));
}

int formCoordinate(double windowCoordinate, double scale) {
  // A little slack, so that the last device pixel of a form pixel is not taken for the next
  // one by a quotient that lands a hair above a whole number.
  return static_cast<int>(std::floor(windowCoordinate / scale + 1e-9));
}

int placeWithin(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace zarq
