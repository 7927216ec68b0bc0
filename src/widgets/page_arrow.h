#pragma once
// The page-turn chevrons at the window's sides, which grow while hovered.

#include <cstdint>

#include "platform/platform.h"

namespace zarq {

struct PageArrow {
  std::int32_t x = 0, y = 0;  // centre of the chevron
  bool growing = false;       // true after the pointer entered
  // Clock milliseconds when the current animation began: at start, long over, so that the
  // first frames are no animation's and the loop waits for events at once.
  std::int64_t startTime = -1'000'000;
  std::int64_t duration = 200;
  double maxScale = 1.2;
  bool hovered = false;

  // Eased progress of the animation at `nowMs`: 0 at rest, 1 when fully hovered.
  double progress(std::int64_t nowMs) const;
  // The main loop keeps drawing while this holds (a little longer than the animation).
  bool animating(std::int64_t nowMs) const;
  // With `focused`, the focus outline around the area a click hits.
  void draw(Canvas& canvas, bool pointsRight, std::int64_t nowMs, const Palette& palette,
            bool focused = false) const;
  bool hit(int mouseX, int mouseY) const;
  // The pointer entered or left: the animation restarts from its beginning.
  void setHovered(bool over, std::int64_t nowMs);
};

}  // namespace zarq
