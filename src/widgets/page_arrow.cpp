#include "widgets/page_arrow.h"

#include <cstdlib>

#include "widgets/colours.h"
#include "widgets/focus_outline.h"

namespace zarq {

double PageArrow::progress(std::int64_t nowMs) const {
  const double t = static_cast<double>(nowMs - startTime) / duration;
  double e;
  if (t <= 0) {
    e = 0;
  } else if (t >= 1) {
    e = 1;
  } else if (t < 0.5) {
    e = 0.5 * (2 * t) * (2 * t);
  } else {
    e = 0.5 * (2 - (2 * t - 2) * (2 * t - 2));
  }
  return growing ? e : 1 - e;
}

bool PageArrow::animating(std::int64_t nowMs) const {
  return 1.5 * duration >= static_cast<double>(nowMs) - startTime;
}

void PageArrow::draw(Canvas& canvas, bool pointsRight, std::int64_t nowMs, const Palette& palette,
                     bool focused) const {
  const double e = progress(nowMs);
  const double scale = (maxScale - 1) * e + 1;
  const auto alpha = static_cast<Argb>(static_cast<int>(e * 50 + 180));
  const Argb ink = inkOf(palette, kWhite) & 0x00FFFFFF;
  // Translucent at rest in the editor's look; solid under high contrast.
  const Argb opacity = palette.highContrast ? 0xFF : alpha;
  const Pen pen{.colour = (opacity << 24) | ink,
                .width = static_cast<float>(3 * scale),
                .roundCaps = true,
                .roundJoins = true};
  const float a = static_cast<float>(7.5 * scale);
  const float b = static_cast<float>(19 * scale);
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  Path path;
  if (pointsRight) {
    path.addLine(fx - a, fy - b, fx + a, fy);
    path.addLine(fx + a, fy, fx - a, fy + b);
  } else {
    path.addLine(fx + a, fy - b, fx - a, fy);
    path.addLine(fx - a, fy, fx + a, fy + b);
  }
  canvas.strokePath(path, pen);
  if (focused) drawFocusOutline(canvas, palette, {fx - 15, fy - 38, 30, 76});
}

bool PageArrow::hit(int mouseX, int mouseY) const {
  return std::abs(mouseX - x) <= 15 && std::abs(mouseY - y) <= 38;
}

void PageArrow::setHovered(bool over, std::int64_t nowMs) {
  hovered = over;
  growing = over;
  startTime = nowMs;
}

}  // namespace zarq
