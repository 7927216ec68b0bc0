#include "widgets/slider.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "widgets/colours.h"
#include "widgets/focus_outline.h"

namespace zarq {

// A knob drawn at NaN would leave the canvas unable to draw anything after it; the keys step
// from where the knob is drawn.
float Slider::placedValue() const { return std::isnan(value_) ? min : value_; }

float Slider::knobLeft() const {
  const float left = x - width / 2;
  const float value = placedValue();
  if (value >= max) return left + width - 3;
  if (value <= min) return left - 3;
  return left + (value - min) * width / (max - min) - 3;
}

void Slider::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
                  bool focused) const {
  const Argb c = inkOf(palette, colour, enabled_);
  const float left = x - width / 2;
  canvas.strokeLine(left, y, left + width, y, Pen{c, 2, true});
  canvas.fillEllipse({knobLeft(), y - 3, 6, 6}, c);

  const Text maxText = intText(static_cast<int>(max));
  const float maxWidth = 1.2f * metrics.measureText(maxText, 14.4f);
  canvas.drawText(maxText, 14.4f, {left + width + 4, y - 7.2f, maxWidth, 20}, Align::Near, c);
  const Text minText = intText(static_cast<int>(min));
  const float minWidth = 1.2f * metrics.measureText(minText, 14.4f);
  canvas.drawText(minText, 14.4f, {left - minWidth - 3, y - 7.2f, minWidth, 20}, Align::Far, c);
  // The track and the knob, between the ends' numbers, the caption above and the field below.
  if (focused) drawFocusOutline(canvas, palette, {left - 4, y - 4, width + 8, 8}, 0);
}

bool Slider::hit(int mouseX, int mouseY) const {
  return shown_ && enabled_ && std::fabs(mouseX - x) <= width / 2 + 10 &&
         std::fabs(mouseY - y) <= 10;
}

float Slider::valueAt(int mouseX) const {
  const float left = x - width / 2;
  if (mouseX < left) return min;
  if (mouseX > x + width / 2) return max;
  const auto n = static_cast<std::int16_t>(std::ceil((max - min) / step));
  return static_cast<float>(roundHalfAway(n * (mouseX - left) / width)) * step + min;
}

bool Slider::setValue(float value) { return redraw.set(value_, value); }

float Slider::valueAfterKey(Key key) const {
  int steps = 0;
  switch (key) {
    case Key::Home:
      return min;
    case Key::End:
      return max;
    case Key::Left:
    case Key::Down:
      steps = -1;
      break;
    case Key::Right:
    case Key::Up:
      steps = 1;
      break;
    case Key::PageDown:
      steps = -10;
      break;
    case Key::PageUp:
      steps = 10;
      break;
    default:
      return value_;
  }
  // The steps are counted on the track's grid, from the grid point on the far side of a
  // value that lies between two (a typed "0.85" goes to 0.9 or 0.8).
  const int last = static_cast<std::int16_t>(std::ceil((max - min) / step));
  const float at = std::clamp((placedValue() - min) / step, 0.f, static_cast<float>(last));
  constexpr float kSlack = 1e-3f;
  const int from = steps > 0 ? static_cast<int>(std::floor(at + kSlack))
                             : static_cast<int>(std::ceil(at - kSlack));
  const int to = std::clamp(from + steps, 0, last);
  const float moved = to == last ? max : to == 0 ? min : static_cast<float>(to) * step + min;
  // A key never moves the value against its direction (from beyond an end of the track).
  if (steps > 0 ? moved <= value_ : moved >= value_) return value_;
  return moved;
}

WidgetReport Slider::handle(const WidgetInput& input) {
  switch (input.kind) {
    case WidgetInput::Kind::Press:
    case WidgetInput::Kind::Move:
      return setValue(valueAt(input.x)) ? WidgetReport::Changed : WidgetReport::Nothing;
    case WidgetInput::Kind::Release:
      setValue(valueAt(input.x));
      return WidgetReport::Released;
    case WidgetInput::Kind::Lost:
      return WidgetReport::Released;
    case WidgetInput::Kind::Key:
      return setValue(valueAfterKey(input.key)) ? WidgetReport::Changed : WidgetReport::Nothing;
  }
  return WidgetReport::Nothing;
}

}  // namespace zarq
