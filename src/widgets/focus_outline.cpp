#include "widgets/focus_outline.h"

#include <algorithm>

#include "widgets/colours.h"
#include "widgets/rounded_rect.h"

namespace zarq {

void drawFocusOutline(Canvas& canvas, const Palette& palette, RectF around, float margin) {
  const float x = around.x - margin, y = around.y - margin;
  const float w = around.w + 2 * margin, h = around.h + 2 * margin;
  // As round as a field's frame of that height, never more than a half circle.
  const float radius = std::min(0.2f * h, 0.5f * std::min(w, h));
  drawRoundedRect(canvas, Pen{inkOf(palette, kWhite), 2}, x, y, w, h, radius);
}

}  // namespace zarq
