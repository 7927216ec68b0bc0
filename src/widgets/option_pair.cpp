#include "widgets/option_pair.h"

#include "widgets/colours.h"
#include "widgets/focus_outline.h"
#include "widgets/rounded_rect.h"

namespace zarq {
namespace {

float boxWidth(TextMetrics& metrics, TextView text, float height) {
  if (text.size() >= 2) return metrics.measureTextTight(text, 0.8f * height) + 0.4f * height;
  return height;
}

}  // namespace

void OptionPair::init(TextMetrics& metrics, float x_, float y_, float height_, TextView text1_,
                      TextView text2_, bool firstSelected, bool secondSelected, std::int16_t gap_,
                      bool exclusive_) {
  x = x_;
  y = y_;
  height = height_;
  text1 = capped(text1_, kOptionTextCapacity);
  text2 = capped(text2_, kOptionTextCapacity);
  setSelected(firstSelected, secondSelected);
  gap = gap_;
  exclusive = exclusive_;
  click_.cancel();
  setShown(false);
  width1 = boxWidth(metrics, text1, height);
  width2 = boxWidth(metrics, text2, height);
}

void OptionPair::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
                      int focused) const {
  const Argb ink = inkOf(palette, kWhite);
  const Pen pen{ink, 2};
  const float fontSize = 0.8f * height;
  const float x2 = x + width1 + gap;
  if (selected1_) drawRoundedRect(canvas, pen, x, y, width1, height, 0.2f * height);
  if (selected2_) drawRoundedRect(canvas, pen, x2, y, width2, height, 0.2f * height);
  auto drawCentred = [&](TextView text, float left, float boxWidth) {
    const float w = metrics.measureText(text, fontSize);
    canvas.drawText(text, fontSize,
                    {left + (boxWidth - w) * 0.5f + 0.7f, y + 0.1f * height, 1.2f * w, height},
                    Align::Near, ink);
  };
  drawCentred(text1, x, width1);
  drawCentred(text2, x2, width2);
  if (focused == 1) drawFocusOutline(canvas, palette, {x, y, width1, height});
  if (focused == 2) drawFocusOutline(canvas, palette, {x2, y, width2, height});
}

bool OptionPair::hitFirst(int mouseX, int mouseY) const {
  return shown_ && mouseX >= x && mouseX <= x + width1 && mouseY >= y && mouseY <= y + height;
}

bool OptionPair::hitSecond(int mouseX, int mouseY) const {
  const float left = x + width1 + gap;
  return shown_ && mouseX >= left && mouseX <= left + width2 && mouseY >= y && mouseY <= y + height;
}

void OptionPair::toggle(int option) {
  const bool first = option == 1 ? !selected1_ : exclusive ? selected2_ : selected1_;
  const bool second = option == 2 ? !selected2_ : exclusive ? selected1_ : selected2_;
  setSelected(first, second);
}

WidgetReport OptionPair::handle(const WidgetInput& input) {
  switch (input.kind) {
    case WidgetInput::Kind::Press:
      if (input.over != 0) click_.press(input.over);
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Release: {
      const std::optional<int> option = click_.pressed();
      if (!click_.release(input.over)) return WidgetReport::Nothing;
      toggle(*option);
      return WidgetReport::Changed;
    }
    case WidgetInput::Kind::Key:
      if (input.key != Key::Space || (input.over != 1 && input.over != 2)) {
        return WidgetReport::Nothing;
      }
      toggle(input.over);
      return WidgetReport::Changed;
    case WidgetInput::Kind::Move:
      return WidgetReport::Nothing;
    case WidgetInput::Kind::Lost:
      click_.cancel();
      return WidgetReport::Nothing;
  }
  return WidgetReport::Nothing;
}

}  // namespace zarq
