#include "draw/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "draw/colours.h"
#include "draw/rounded_rect.h"

namespace zarq {

void TextField::init(float x_, float y_, float width_, float height_, TextView defaultText,
                     Align alignment_, bool numeric_, bool integerOnly_, bool sliderLinked_) {
  x = x_;
  y = y_;
  width = width_;
  height = height_;
  setText(defaultText);
  shown = false;
  enabled = true;
  committedText.clear();
  focused = false;
  caret = 0;
  scroll = 0;
  lastAutoScrollTime = -500;
  autoScrollInterval = 50;
  alignment = alignment_;
  colour = 0xFFFFFFFF;
  dismissed.fill(false);
  bubble = kNoBubble;
  numeric = numeric_;
  integerOnly = integerOnly_;
  sliderLinked = sliderLinked_;
}

void TextField::setText(TextView value) { text = capped(value, kFieldTextCapacity); }

void TextField::fitText(TextMetrics& metrics, bool keepCaretCentred) {
  const double room = width - height * 0.1 * 4;
  // One layout of the whole text gives the width of every run of it.
  const std::vector<float>& at = metrics.caretPositions(text, fontSize());
  // The run starts and ends between whole characters, never inside a surrogate pair.
  const auto previous = [&](int i) { return static_cast<int>(previousCharacter(text, i)); };
  const auto next = [&](int i) { return static_cast<int>(nextCharacter(text, i)); };
  scroll = static_cast<std::int16_t>(characterBoundary(text, std::max<int>(scroll, 0)));
  auto fit = [&] {
    const int start = std::min<int>(scroll, length());
    int end = length();
    while (end > start && at[end] - at[start] > room) end = previous(end);
    visibleText = capped(TextView(text).substr(start, end - start), kVisibleTextCapacity);
  };
  fit();
  const auto visible = [&] { return static_cast<int>(visibleText.size()); };
  if (!keepCaretCentred || visible() == length()) return;

  // Scroll left while the caret sits left of the middle of the run; a caret left of
  // scroll compares as a huge unsigned distance and stops the loop.
  while (scroll > 0 &&
         static_cast<unsigned>(caret - scroll) < static_cast<unsigned>(visible() / 2)) {
    scroll = static_cast<std::int16_t>(previous(scroll));
    fit();
  }
  // Scroll right until the caret is no further right than the middle, or the end shows.
  while (scroll + visible() < length()) {
    if (caret - scroll <= visible() / 2) break;
    scroll = static_cast<std::int16_t>(next(scroll));
    fit();
  }
}

float TextField::caretOffset(TextMetrics& metrics, int n) const {
  const std::vector<float>& at = metrics.caretPositions(visibleText, fontSize());
  const int count = static_cast<int>(visibleText.size());
  n = std::clamp(n, 0, count);
  const float prefix = at[n] - at[0];
  const float suffix = at[count] - at[n];
  const float h = height;
  switch (alignment) {
    case Align::Centre:
      return (prefix + width - suffix) * 0.5f;
    case Align::Far:
      return width - 0.1f * h - suffix - 0.12f * h;
    case Align::Near:
    default:
      return 0.1f * h + prefix + 0.12f * h;
  }
}

std::int16_t TextField::caretFromPointer(TextMetrics& metrics, int mouseX) const {
  const int d = static_cast<int>(mouseX - x);
  float best = 1000;
  std::int16_t index = 0;
  for (int i = 0; i <= static_cast<int>(visibleText.size()); ++i) {
    if (splitsPair(visibleText, static_cast<std::size_t>(i))) continue;  // no half characters
    const float distance = std::fabs(caretOffset(metrics, i) - d);
    if (distance < best) {
      best = distance;
      index = static_cast<std::int16_t>(i);
    }
  }
  return index;
}

bool TextField::contains(int mouseX, int mouseY) const {
  return mouseX >= x && mouseX <= x + width && mouseY >= y && mouseY <= y + height;
}

bool TextField::flashing(std::int32_t nowMs) const {
  return nowMs - flashStart >= 0 && nowMs - flashStart < kRefusalFlashMs;
}

bool TextField::flashAnimating(std::int32_t nowMs) const {
  return nowMs - flashStart >= 0 && nowMs - flashStart <= kRefusalFlashMs * 3 / 2;
}

void TextField::draw(Canvas& canvas, TextMetrics& metrics, Host& host) const {
  const float h = height;
  const float size = fontSize();
  const Argb brush = enabled ? colour : kDisabledColour;
  const float w = metrics.measureText(visibleText, size);
  switch (alignment) {
    case Align::Near:
      canvas.drawText(visibleText, size, {x + 0.1f * h, y + 0.1f * h, width + 0.2f * h, h},
                      Align::Near, brush);
      break;
    case Align::Centre:
      canvas.drawText(visibleText, size, {x + (width - w) * 0.5f, y + 0.1f * h, w * 1.2f, h},
                      Align::Near, brush);
      break;
    case Align::Far:
      canvas.drawText(visibleText, size, {x + width - w - 0.1f * h, y + 0.1f * h, w * 1.2f, h},
                      Align::Near, brush);
      break;
  }
  const bool flash = flashing(host.clockMs());
  if (flash) drawRoundedRect(canvas, Pen{kRefusalFlashColour, 3}, x, y, width, height, 0.2f * h);
  if (!focused || !enabled) return;
  if (!flash) drawRoundedRect(canvas, Pen{colour, 2}, x, y, width, height, 0.2f * h);
  const float caretX = x + caretOffset(metrics, caret - scroll);
  canvas.strokeLine(caretX, y + 0.1f * h, caretX, y + 0.9f * h, Pen{colour, 0.06f * h, true});
  host.setCaretPos(static_cast<int>(caretX), static_cast<int>(y + h - 15));
}

}  // namespace zarq
