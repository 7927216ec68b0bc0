// What typing, the caret keys, the selection and the pointer do to a text field's text,
// caret and scroll; the fixed ending ("秒") is the field's own, never typed after or removed.
#include <algorithm>

#include "common/words.h"
#include "widgets/text_field.h"

namespace zarq {
namespace {

std::int16_t index16(std::size_t index) { return static_cast<std::int16_t>(index); }

}  // namespace

int TextField::clampedCaret() const {
  return static_cast<int>(characterBoundary(text, std::max<int>(caret, 0)));
}

TextRange TextField::removableSelection() const {
  TextRange range = selection();
  if (!fixedEnding.empty() && text.ends_with(fixedEnding)) {
    range.to = std::min(range.to, length() - static_cast<int>(fixedEnding.size()));
  }
  return range;
}

bool TextField::removeSelection(TextMetrics& metrics) {
  const TextRange range = removableSelection();
  clearSelection();
  if (range.empty()) return false;
  text.erase(static_cast<std::size_t>(range.from), static_cast<std::size_t>(range.size()));
  caret = index16(range.from);
  scroll = index16(std::min<int>(scroll, range.from));
  fitText(metrics, true);
  return true;
}

TextView TextField::copied() const {
  const TextRange range = selection();
  return range.empty() ? TextView(text) : TextView(text).substr(range.from, range.size());
}

void TextField::insertAtCaret(TextMetrics& metrics, TextView typed) {
  const int at = clampedCaret();
  Text changed = text;
  changed.insert(static_cast<std::size_t>(at), typed);
  setText(changed);
  caret = index16(at + typed.size());
  fitText(metrics, true);
}

TextField::Edit TextField::backspace(TextMetrics& metrics) {
  if (removeSelection(metrics)) return Edit::Done;
  const int at = clampedCaret();
  if (at <= 0) return Edit::Nothing;
  if (!fixedEnding.empty() && at == length()) return Edit::Refused;
  const std::size_t from = previousCharacter(text, static_cast<std::size_t>(at));
  const std::size_t removed = static_cast<std::size_t>(at) - from;
  text.erase(from, removed);
  caret = index16(from);
  if (scroll > 0) {
    const int back = std::max<int>(scroll - static_cast<int>(removed), 0);
    scroll = index16(characterBoundary(text, static_cast<std::size_t>(back)));
  }
  fitText(metrics, true);
  return Edit::Done;
}

void TextField::clear() {
  const Text empty = deleteLeaves + fixedEnding;
  clearSelection();
  text = empty;
  visibleText = empty;
  caret = index16(deleteLeaves.size());
  scroll = 0;
}

void TextField::placeCaretLeftward(TextMetrics& metrics, std::size_t to) {
  caret = index16(to);
  fitText(metrics, true);
  while (caret <= scroll && scroll > 0) {
    scroll = index16(previousCharacter(text, static_cast<std::size_t>(scroll)));
    fitText(metrics, true);
  }
}

void TextField::placeCaretRightward(TextMetrics& metrics, std::size_t to) {
  caret = index16(to);
  fitText(metrics, true);
  while (caret - scroll >= static_cast<int>(visibleText.size()) && caret < length() &&
         scroll < length()) {
    scroll = index16(nextCharacter(text, static_cast<std::size_t>(scroll)));
    fitText(metrics, true);
  }
}

void TextField::caretLeft(TextMetrics& metrics) {
  if (caret <= 0) return;
  placeCaretLeftward(metrics, previousCharacter(text, static_cast<std::size_t>(caret)));
}

void TextField::caretRight(TextMetrics& metrics) {
  if (caret >= length()) return;
  placeCaretRightward(metrics, nextCharacter(text, static_cast<std::size_t>(caret)));
}

void TextField::moveCaret(TextMetrics& metrics, const KeyStroke& stroke) {
  const TextRange selected = selection();
  const std::size_t at = static_cast<std::size_t>(clampedCaret());
  if (stroke.shift) {
    anchorAtCaret();
  } else {
    clearSelection();
    // Without Shift a selection collapses to the end the arrow points to.
    if (!selected.empty() && !stroke.ctrl && stroke.key == Key::Left) {
      return placeCaretLeftward(metrics, static_cast<std::size_t>(selected.from));
    }
    if (!selected.empty() && !stroke.ctrl && stroke.key == Key::Right) {
      return placeCaretRightward(metrics, static_cast<std::size_t>(selected.to));
    }
  }
  switch (stroke.key) {
    case Key::Left:
      if (!stroke.ctrl) return caretLeft(metrics);
      return placeCaretLeftward(metrics, previousWordStart(text, at));
    case Key::Right:
      if (!stroke.ctrl) return caretRight(metrics);
      return placeCaretRightward(metrics, nextWordEnd(text, at));
    case Key::Home:
      return placeCaretLeftward(metrics, 0);
    case Key::End:
      return placeCaretRightward(metrics, text.size());
    default:
      return;
  }
}

void TextField::selectAll(TextMetrics& metrics) {
  anchor = 0;
  caret = index16(text.size());
  fitText(metrics, true);
}

void TextField::caretToPointer(TextMetrics& metrics, int mouseX) {
  caret = static_cast<std::int16_t>(scroll + caretFromPointer(metrics, mouseX));
  fitText(metrics, false);
}

void TextField::dragTo(TextMetrics& metrics, int mouseX, std::int64_t nowMs) {
  if (mouseX >= x && mouseX <= x + width) return caretToPointer(metrics, mouseX);
  // Beside the box the text scrolls a character at a time, at a steady pace.
  if (nowMs - lastAutoScrollTime <= autoScrollInterval) return;
  const bool right = mouseX > x + width;
  if (right && caret < length()) {
    caretRight(metrics);
    lastAutoScrollTime = nowMs;
  } else if (!right && caret > 0) {
    caretLeft(metrics);
    lastAutoScrollTime = nowMs;
  }
}

void TextField::loseKeyboard(TextMetrics& metrics) {
  focused = false;
  clearSelection();
  caret = 0;
  scroll = 0;
  fitText(metrics, true);
}

}  // namespace zarq
