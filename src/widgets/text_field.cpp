#include "widgets/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "widgets/colours.h"
#include "widgets/rounded_rect.h"

namespace zarq {

void TextField::init(float x_, float y_, float width_, float height_, TextView defaultText,
                     Align alignment_, bool numeric_, bool integerOnly_, bool sliderLinked_) {
  x = x_;
  y = y_;
  width = width_;
  height = height_;
  setText(defaultText);
  setShown(false);
  setEnabled(true);
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

void TextField::setText(TextView value) {
  text = capped(value, kFieldTextCapacity);
  clearSelection();
}

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

namespace {

// The caret's foot the input method hears of: the field's lowest pixels, so that a candidate
// window opens under the line, not over it.
constexpr int kCaretHeight = 15;

// Distance from the box's left edge to the caret before unit n of `run`, laid out in the box
// as the field lays out its visible text.
float offsetIn(TextMetrics& metrics, TextView run, int n, float size, float width, float h,
               Align alignment) {
  const std::vector<float>& at = metrics.caretPositions(run, size);
  const int count = static_cast<int>(run.size());
  n = std::clamp(n, 0, count);
  const float prefix = at[n] - at[0];
  const float suffix = at[count] - at[n];
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

}  // namespace

float TextField::caretOffset(TextMetrics& metrics, int n) const {
  return offsetIn(metrics, visibleText, n, fontSize(), width, height, alignment);
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

bool TextField::flashing(std::int64_t nowMs) const {
  return nowMs - flashStart >= 0 && nowMs - flashStart < kRefusalFlashMs;
}

bool TextField::flashAnimating(std::int64_t nowMs) const {
  return nowMs - flashStart >= 0 && nowMs - flashStart <= kRefusalFlashMs * 3 / 2;
}

TextRange TextField::selection() const {
  if (anchor < 0) return {};
  const auto bound = [&](int i) {
    return static_cast<int>(characterBoundary(text, std::max(i, 0)));
  };
  const int a = bound(anchor), c = bound(caret);
  return {std::min(a, c), std::max(a, c)};
}

void TextField::draw(Canvas& canvas, TextMetrics& metrics, Host& host, const Palette& palette,
                     TextView composing) const {
  const bool active = focused && enabled_;
  const Argb ink = inkOf(palette, colour);
  if (active && !composing.empty()) return drawComposing(canvas, metrics, host, ink, composing);
  const float h = height;
  const float size = fontSize();
  const TextRange selected = selection();
  if (active && !selected.empty()) {
    const int visible = static_cast<int>(visibleText.size());
    const float from = caretOffset(metrics, std::clamp(selected.from - scroll, 0, visible));
    const float to = caretOffset(metrics, std::clamp(selected.to - scroll, 0, visible));
    if (to > from) canvas.fillRect({x + from, y + 0.1f * h, to - from, 0.8f * h}, kSelectionColour);
  }
  const Argb brush = inkOf(palette, colour, enabled_);
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
  if (!active) return;
  if (!flash) drawRoundedRect(canvas, Pen{ink, 2}, x, y, width, height, 0.2f * h);
  const float caretX = x + caretOffset(metrics, caret - scroll);
  canvas.strokeLine(caretX, y + 0.1f * h, caretX, y + 0.9f * h, Pen{ink, 0.06f * h, true});
  host.setCaretPos(static_cast<int>(caretX), static_cast<int>(y + h) - kCaretHeight, kCaretHeight);
}

// The text being composed sits in the visible run at the caret, underlined, with the caret
// after it; what no longer fits at the end of the box is left out meanwhile.
void TextField::drawComposing(Canvas& canvas, TextMetrics& metrics, Host& host, Argb ink,
                              TextView composing) const {
  const float h = height;
  const float size = fontSize();
  int k = std::clamp(caret - scroll, 0, static_cast<int>(visibleText.size()));
  int composingEnd = k + static_cast<int>(composing.size());
  Text run = visibleText.substr(0, k) + Text(composing) + visibleText.substr(k);
  const double room = width - h * 0.1 * 4;
  const auto fits = [&] {
    const std::vector<float>& at = metrics.caretPositions(run, size);
    return at.back() - at.front() <= room;
  };
  // What follows the caret goes first, then what precedes it: the composition stays whole.
  while (static_cast<int>(run.size()) > composingEnd && !fits()) {
    run.erase(previousCharacter(run, run.size()));
  }
  while (k > 0 && !fits()) {
    const int first = static_cast<int>(nextCharacter(run, 0));
    run.erase(0, static_cast<std::size_t>(first));
    k -= first;
    composingEnd -= first;
  }
  const float w = metrics.measureText(run, size);
  const float left = alignment == Align::Near     ? x + 0.1f * h
                     : alignment == Align::Centre ? x + (width - w) * 0.5f
                                                  : x + width - w - 0.1f * h;
  canvas.drawText(run, size, {left, y + 0.1f * h, std::max(width + 0.2f * h, w * 1.2f), h},
                  Align::Near, ink);
  const auto at = [&](int n) { return x + offsetIn(metrics, run, n, size, width, h, alignment); };
  const Pen pen{ink, 0.06f * h, true};
  canvas.strokeLine(at(k), y + 0.92f * h, at(composingEnd), y + 0.92f * h,
                    Pen{ink, std::max(1.f, 0.04f * h)});
  drawRoundedRect(canvas, Pen{ink, 2}, x, y, width, height, 0.2f * h);
  const float caretX = at(composingEnd);
  canvas.strokeLine(caretX, y + 0.1f * h, caretX, y + 0.9f * h, pen);
  // The candidate window stays where the composition began.
  host.setCaretPos(static_cast<int>(at(k)), static_cast<int>(y + h) - kCaretHeight, kCaretHeight);
}

}  // namespace zarq
