#include "editor/keyboard.h"

#include <algorithm>
#include <utility>

#include "common/words.h"
#include "editor/char_filter.h"
#include "editor/editing.h"
#include "editor/refusal.h"
#include "editor/selection.h"
#include "editor/split_lines.h"
#include "form/field_table.h"
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

// A typed character replaces the selection, but only once the field's filters have taken it
// as they would with the selection gone: a refused one leaves the selection as it was.
void insertTyped(SettingsForm& form, TextView character) {
  TextField& field = focused(form);
  const TextRange selected = removableSelection(form);
  TextField without = field;
  if (!selected.empty()) {
    without.text.erase(static_cast<std::size_t>(selected.from),
                       static_cast<std::size_t>(selected.size()));
    without.caret = static_cast<std::int16_t>(selected.from);
  }
  const FilteredChar typed = filterTypedChar(without, form.focusedField, character);
  if (typed.verdict == CharVerdict::Ignore) return;
  if (typed.verdict == CharVerdict::Refuse) return refuseKey(form);
  removeSelection(form);
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
  if (removeSelection(form)) return commitEdit(form, form.focusedField);
  TextField& field = focused(form);
  const int at = clampedCaret(field);
  if (at <= 0) return;
  // A fixed ending (the duration's unit "秒") is never removed.
  if (!fieldRow(form.focusedField).fixedEnding.empty() && at == field.length()) {
    return refuseKey(form);
  }
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

// The first shown and enabled slot after `from` (before it, going back), wrapping round;
// -1 when none is.
int nextEditableSlot(const SettingsForm& form, int from, int direction) {
  for (int step = 1; step <= kFieldCount; ++step) {
    const int slot = (from + direction * step + kFieldCount) % kFieldCount;
    if (form.fields[slot].shown && form.fields[slot].enabled) return slot;
  }
  return -1;
}

void tabToField(SettingsForm& form, int direction) {
  const int next = nextEditableSlot(form, form.focusedField, direction);
  if (next < 0) return renderFrame(form);
  const int column = focused(form).caret - focused(form).scroll;
  unfocusField(form, form.focusedField);
  TextField& field = form.fields[next];
  field.clearSelection();
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

// The caret moves left to `to`, the text scrolling back so that it stays inside the run.
void placeCaretLeftward(SettingsForm& form, TextField& field, std::size_t to) {
  field.caret = index16(to);
  field.fitText(form.metrics, true);
  while (field.caret <= field.scroll && field.scroll > 0) {
    field.scroll = index16(previousCharacter(field.text, static_cast<std::size_t>(field.scroll)));
    field.fitText(form.metrics, true);
  }
}

// The caret moves right to `to`, the text scrolling on until it is inside the run.
void placeCaretRightward(SettingsForm& form, TextField& field, std::size_t to) {
  field.caret = index16(to);
  field.fitText(form.metrics, true);
  while (field.caret - field.scroll >= static_cast<int>(field.visibleText.size()) &&
         field.caret < field.length() && field.scroll < field.length()) {
    field.scroll = index16(nextCharacter(field.text, static_cast<std::size_t>(field.scroll)));
    field.fitText(form.metrics, true);
  }
}

// Caret and scroll step over whole characters: a surrogate pair is one step.
void caretLeft(SettingsForm& form, TextField& field) {
  if (field.caret <= 0) return;
  placeCaretLeftward(form, field, previousCharacter(field.text, std::size_t(field.caret)));
}

void caretRight(SettingsForm& form, TextField& field) {
  if (field.caret >= field.length()) return;
  placeCaretRightward(form, field, nextCharacter(field.text, std::size_t(field.caret)));
}

// Left, Right, Home and End; with Ctrl by words, with Shift selecting. Without Shift a
// selection collapses to the end the arrow points to.
void moveCaret(SettingsForm& form, const KeyStroke& stroke) {
  TextField& field = focused(form);
  const TextRange selected = field.selection();
  const std::size_t caret = static_cast<std::size_t>(clampedCaret(field));
  if (stroke.shift) {
    field.anchorAtCaret();
  } else {
    field.clearSelection();
    if (!selected.empty() && !stroke.ctrl && stroke.key == Key::Left) {
      return placeCaretLeftward(form, field, static_cast<std::size_t>(selected.from));
    }
    if (!selected.empty() && !stroke.ctrl && stroke.key == Key::Right) {
      return placeCaretRightward(form, field, static_cast<std::size_t>(selected.to));
    }
  }
  switch (stroke.key) {
    case Key::Left:
      if (!stroke.ctrl) return caretLeft(form, field);
      return placeCaretLeftward(form, field, previousWordStart(field.text, caret));
    case Key::Right:
      if (!stroke.ctrl) return caretRight(form, field);
      return placeCaretRightward(form, field, nextWordEnd(field.text, caret));
    case Key::Home:
      return placeCaretLeftward(form, field, 0);
    case Key::End:
      return placeCaretRightward(form, field, field.text.size());
    default:
      return;
  }
}

// Clears the whole field to what its row says Delete leaves, the fixed ending after it; the
// caret goes where typing resumes.
void clearField(SettingsForm& form) {
  TextField& field = focused(form);
  const int slot = form.focusedField;
  const FieldRow& row = fieldRow(slot);
  const Text empty = Text(row.deleteLeaves) + Text(row.fixedEnding);
  const auto caret = index16(row.deleteLeaves.size());
  field.clearSelection();
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
      return tabToField(form, 1);
    case kEnter:
      focused(form).clearSelection();
      return enterInFocusedField(form);
    case kEscape:
      return escape(form);
    default:
      return typeUnit(form, ch, pendingHigh);
  }
}

bool handleKeyUp(SettingsForm& form, const KeyStroke& stroke) {
  if (form.interactionMode != InteractionMode::Editing) return false;
  switch (stroke.key) {
    case Key::Left:
    case Key::Right:
    case Key::Home:
    case Key::End:
      moveCaret(form, stroke);
      renderFrame(form);
      break;
    case Key::Delete:
      // A selection goes; with nothing selected the whole field is cleared.
      if (removeSelection(form)) {
        commitEdit(form, form.focusedField);
      } else {
        clearField(form);
      }
      break;
    case Key::Other:
      return false;
  }
  return true;
}

bool handleKeyRepeat(SettingsForm& form, const KeyStroke& stroke) {
  return (stroke.key == Key::Left || stroke.key == Key::Right) && handleKeyUp(form, stroke);
}

void tabToPreviousField(SettingsForm& form) {
  if (form.interactionMode == InteractionMode::Editing) tabToField(form, -1);
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
