#include "widgets/focus_outline.h"

#include <algorithm>

#include "widgets/colours.h"

namespace zarq {

void drawFocusOutline(Canvas& canvas, const Palette& palette, RectF around, float margin) {
  const float left = around.x - margin, top = around.y - margin;
  const float right = around.x + around.w + margin, bottom = around.y + around.h + margin;
  // Four corners, not a frame: a closed frame is what a selected option looks like.
  const float arm = std::max(4.f, 0.3f * std::min(right - left, bottom - top));
  const Pen pen{inkOf(palette, kWhite), 2, true, true};
  for (const float x : {left, right}) {
    for (const float y : {top, bottom}) {
      const float inX = x == left ? arm : -arm, inY = y == top ? arm : -arm;
      Path corner;
      corner.addLine(x, y + inY, x, y);
      corner.addLine(x, y, x + inX, y);
      canvas.strokePath(corner, pen);
    }
  }
}

}  // namespace zarq
