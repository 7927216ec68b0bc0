#include "widgets/check_box.h"

#include <cmath>
#include <utility>

#include "widgets/colours.h"
#include "widgets/focus_outline.h"
#include "widgets/rounded_rect.h"

namespace zarq {

void CheckBox::draw(Canvas& canvas, const Palette& palette, bool focused) const {
  const Argb c = inkOf(palette, colour, enabled);
  drawRoundedRect(canvas, Pen{c, 0.08f * size}, x - size / 2, y - size / 2, size, size,
                  0.08f * size);
  if (checked) {
    const float s = 0.72f * size;
    fillRoundedRect(canvas, c, x - s / 2, y - s / 2, s, s, 0.08f * s);
  }
  if (focused) drawFocusOutline(canvas, palette, {x - size / 2, y - size / 2, size, size}, 3);
}

bool CheckBox::hit(int mouseX, int mouseY) const {
  return shown && enabled && std::fabs(mouseX - x) <= size / 2 && std::fabs(mouseY - y) <= size / 2;
}

WidgetReport CheckBox::handle(const WidgetInput& input) {
  switch (input.kind) {
    case WidgetInput::Kind::Press:
      pressed = input.over != 0;
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Release:
      if (!std::exchange(pressed, false) || input.over == 0) return WidgetReport::Nothing;
      checked = !checked;
      return WidgetReport::Changed;
    case WidgetInput::Kind::Move:
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Lost:
      pressed = false;
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Key:
      if (input.key != Key::Space) return WidgetReport::Nothing;
      checked = !checked;
      return WidgetReport::Changed;
  }
  return WidgetReport::Nothing;
}

}  // namespace zarq
