#include "editor/keyboard.h"

#include <algorithm>
#include <utility>

#include "editor/char_filter.h"
#include "editor/editing.h"
#include "editor/refusal.h"
#include "editor/split_lines.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr char16_t kBackspace = 8, kTab = 9, kEnter = 13, kEscape = 27;

TextField& focused(SettingsForm& form) { return form.fields[form.focusedField]; }

int clampedCaret(const TextField& field) {
  return static_cast<int>(characterBoundary(field.text, std::max<int>(field.caret, 0)));
}

std::int16_t index16(std::size_t index) { return static_cast<std::int16_t>(index); }

void insertTyped(SettingsForm& form, TextView character) {
  TextField& field = focused(form);
  const FilteredChar typed = filterTypedChar(field, form.focusedField, character);
  if (typed.verdict == CharVerdict::Ignore) return;
  if (typed.verdict == CharVerdict::Refuse) return refuseKey(form);
  const int at = clampedCaret(field);
  Text text = field.text;
  text.insert(static_cast<std::size_t>(at), typed.character);
  field.setText(text);
  field.caret = index16(at + typed.character.size());
  field.fitText(form.metrics, true);
  commitEdit(form, form.focusedField);
}

// A character outside the Basic Multilingual Plane arrives as two units, its high half
// first: that half waits for the low one, and a half that comes alone is dropped, so that
// typing never leaves half a character in a text.
void typeUnit(SettingsForm& form, char16_t unit, char16_t pendingHigh) {
  if (isHighSurrogate(unit)) {
    form.pendingHighSurrogate = unit;
  } else if (isLowSurrogate(unit)) {
    if (pendingHigh != 0) insertTyped(form, std::u16string{pendingHigh, unit});
  } else {
    insertTyped(form, TextView(&unit, 1));
  }
}

void backspace(SettingsForm& form) {
  TextField& field = focused(form);
  const int at = clampedCaret(field);
  if (at <= 0) return;
  // The duration's unit "秒" at the end is never removed.
  if (form.focusedField == slot::chartDuration && at == field.length()) return refuseKey(form);
  const std::size_t from = previousCharacter(field.text, static_cast<std::size_t>(at));
  const std::size_t removed = static_cast<std::size_t>(at) - from;
  field.text.erase(from, removed);
  field.caret = index16(from);
  if (field.scroll > 0) {
    const int scroll = std::max<int>(field.scroll - static_cast<int>(removed), 0);
    field.scroll = index16(characterBoundary(field.text, static_cast<std::size_t>(scroll)));
  }
  field.fitText(form.metrics, true);
  commitEdit(form, form.focusedField);
}

// The first shown and enabled slot after `from`, wrapping round to 0; -1 when none is.
int nextEditableSlot(const SettingsForm& form, int from) {
  for (int step = 1; step <= kFieldCount; ++step) {
    const int slot = (from + step) % kFieldCount;
    if (form.fields[slot].shown && form.fields[slot].enabled) return slot;
  }
  return -1;
}

void tabToNextField(SettingsForm& form) {
  const int next = nextEditableSlot(form, form.focusedField);
  if (next < 0) return renderFrame(form);
  const int column = focused(form).caret - focused(form).scroll;
  unfocusField(form, form.focusedField);
  TextField& field = form.fields[next];
  field.focused = true;
  field.caret = 0;
  field.scroll = 0;
  field.fitText(form.metrics, true);
  // The caret keeps its column on screen when the new field shows that many characters.
  const int visible = static_cast<int>(field.visibleText.size());
  const int caret = column <= visible ? column : std::max(visible - 1, 0);
  field.caret = index16(characterBoundary(field.text, static_cast<std::size_t>(caret)));
  form.focusedField = static_cast<std::int16_t>(next);
  renderFrame(form);
}

void escape(SettingsForm& form) {
  endEditing(form);
  renderFrame(form);
}

// Caret and scroll step over whole characters: a surrogate pair is one step.
void caretLeft(SettingsForm& form, TextField& field) {
  if (field.caret <= 0) return;
  field.caret = index16(previousCharacter(field.text, static_cast<std::size_t>(field.caret)));
  field.fitText(form.metrics, true);
  while (field.caret <= field.scroll && field.scroll > 0) {
    field.scroll = index16(previousCharacter(field.text, static_cast<std::size_t>(field.scroll)));
    field.fitText(form.metrics, true);
  }
}

void caretRight(SettingsForm& form, TextField& field) {
  if (field.caret >= field.length()) return;
  field.caret = index16(nextCharacter(field.text, static_cast<std::size_t>(field.caret)));
  field.fitText(form.metrics, true);
  while (field.caret - field.scroll >= static_cast<int>(field.visibleText.size()) &&
         field.caret < field.length() && field.scroll < field.length()) {
    field.scroll = index16(nextCharacter(field.text, static_cast<std::size_t>(field.scroll)));
    field.fitText(form.metrics, true);
  }
}

// Clears the whole field to its empty form; the caret goes where typing resumes.
void clearField(SettingsForm& form) {
  TextField& field = focused(form);
  const int slot = form.focusedField;
  Text empty;
  std::int16_t caret = 0;
  if (slot == slot::tip) {
    empty = u"Tip: ";
    caret = 5;
  } else if (slot == slot::chartDuration) {
    empty = u"秒";
  }
  field.text = empty;
  field.visibleText = empty;
  field.caret = caret;
  field.scroll = 0;
  validateAndCommit(form, slot, false, true);
  renderFrame(form);
}

}  // namespace

void handleChar(SettingsForm& form, char16_t ch) {
  if (form.interactionMode != InteractionMode::Editing) return;
  const char16_t pendingHigh = std::exchange(form.pendingHighSurrogate, 0);
  switch (ch) {
    case kBackspace:
      return backspace(form);
    case kTab:
      return tabToNextField(form);
    case kEnter:
      return enterInFocusedField(form);
    case kEscape:
      return escape(form);
    default:
      return typeUnit(form, ch, pendingHigh);
  }
}

void handleKeyUp(SettingsForm& form, Key key) {
  if (form.interactionMode != InteractionMode::Editing) return;
  switch (key) {
    case Key::Left:
      caretLeft(form, focused(form));
      renderFrame(form);
      break;
    case Key::Right:
      caretRight(form, focused(form));
      renderFrame(form);
      break;
    case Key::Delete:
      clearField(form);
      break;
    case Key::Other:
      break;
  }
}

void commitEdit(SettingsForm& form, int slot) {
  const TextField& field = form.fields[slot];
  if (field.sliderLinked && field.numeric) sliderFollowsField(form, slot);
  validateAndCommit(form, slot, false, true);
  renderFrame(form);
}

void dragStep(SettingsForm& form) {
  TextField& field = focused(form);
  if (form.mouseX >= field.x && form.mouseX <= field.x + field.width) {
    // Above or below the box: the caret follows the pointer's column.
    field.caret =
        static_cast<std::int16_t>(field.scroll + field.caretFromPointer(form.metrics, form.mouseX));
    field.fitText(form.metrics, false);
  } else {
    const std::int32_t now = form.host().clockMs();
    if (now - field.lastAutoScrollTime > field.autoScrollInterval) {
      const bool right = form.mouseX > field.x + field.width;
      if (right && field.caret < field.length()) {
        caretRight(form, field);
        field.lastAutoScrollTime = now;
      } else if (!right && field.caret > 0) {
        caretLeft(form, field);
        field.lastAutoScrollTime = now;
      }
    }
  }
  renderFrame(form);
}

}  // namespace zarq
