#include "draw/check_box.h"

#include <cmath>

#include "draw/colours.h"
#include "draw/rounded_rect.h"

namespace zarq {

void CheckBox::draw(Canvas& canvas, const Palette& palette) const {
  const Argb c = inkOf(palette, colour, enabled);
  drawRoundedRect(canvas, Pen{c, 0.08f * size}, x - size / 2, y - size / 2, size, size,
                  0.08f * size);
  if (checked) {
    const float s = 0.72f * size;
    fillRoundedRect(canvas, c, x - s / 2, y - s / 2, s, s, 0.08f * s);
  }
}

bool CheckBox::hit(int mouseX, int mouseY) const {
  return shown && enabled && std::fabs(mouseX - x) <= size / 2 && std::fabs(mouseY - y) <= size / 2;
}

}  // namespace zarq
