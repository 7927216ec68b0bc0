#include "widgets/check_box.h"

#include <cmath>

#include "widgets/colours.h"
#include "widgets/focus_outline.h"
#include "widgets/rounded_rect.h"

namespace zarq {

void CheckBox::draw(Canvas& canvas, const Palette& palette, bool focused) const {
  const Argb c = inkOf(palette, colour, enabled_);
  drawRoundedRect(canvas, Pen{c, 0.08f * size}, x - size / 2, y - size / 2, size, size,
                  0.08f * size);
  if (checked_) {
    const float s = 0.72f * size;
    fillRoundedRect(canvas, c, x - s / 2, y - s / 2, s, s, 0.08f * s);
  }
  if (focused) drawFocusOutline(canvas, palette, {x - size / 2, y - size / 2, size, size}, 3);
}

bool CheckBox::hit(int mouseX, int mouseY) const {
  return shown_ && enabled_ && std::fabs(mouseX - x) <= size / 2 &&
         std::fabs(mouseY - y) <= size / 2;
}

WidgetReport CheckBox::handle(const WidgetInput& input) {
  switch (input.kind) {
    case WidgetInput::Kind::Press:
      if (input.over != 0) click_.press(input.over);
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Release:
      if (!click_.release(input.over)) return WidgetReport::Nothing;
      break;
    case WidgetInput::Kind::Move:
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Lost:
      click_.cancel();
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Key:
      if (input.key != Key::Space) return WidgetReport::Nothing;
      break;
  }
  setChecked(!checked_);
  return WidgetReport::Changed;
}

}  // namespace zarq
