#include "draw/slider.h"

#include <cmath>

#include "common/numbers.h"
#include "draw/colours.h"

namespace zarq {

float Slider::knobLeft() const {
  const float left = x - width / 2;
  if (value_ >= max) return left + width - 3;
  if (value_ <= min) return left - 3;
  return left + (value_ - min) * width / (max - min) - 3;
}

void Slider::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette) const {
  const Argb c = inkOf(palette, colour, enabled);
  const float left = x - width / 2;
  canvas.strokeLine(left, y, left + width, y, Pen{c, 2, true});
  canvas.fillEllipse({knobLeft(), y - 3, 6, 6}, c);

  const Text maxText = intText(static_cast<int>(max));
  const float maxWidth = 1.2f * metrics.measureText(maxText, 14.4f);
  canvas.drawText(maxText, 14.4f, {left + width + 4, y - 7.2f, maxWidth, 20}, Align::Near, c);
  const Text minText = intText(static_cast<int>(min));
  const float minWidth = 1.2f * metrics.measureText(minText, 14.4f);
  canvas.drawText(minText, 14.4f, {left - minWidth - 3, y - 7.2f, minWidth, 20}, Align::Far, c);
}

bool Slider::hit(int mouseX, int mouseY) const {
  return shown && enabled && std::fabs(mouseX - x) <= width / 2 + 10 && std::fabs(mouseY - y) <= 10;
}

float Slider::valueAt(int mouseX) const {
  const float left = x - width / 2;
  if (mouseX < left) return min;
  if (mouseX > x + width / 2) return max;
  const auto n = static_cast<std::int16_t>(std::ceil((max - min) / step));
  return static_cast<float>(roundHalfAway(n * (mouseX - left) / width)) * step + min;
}

bool Slider::setValue(float value) {
  if (value == value_) return false;
  value_ = value;
  return true;
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
  }
  return WidgetReport::Nothing;
}

}  // namespace zarq
