#include "editor/keyboard.h"

#include <utility>

#include "editor/char_filter.h"
#include "editor/control_keys.h"
#include "editor/editing.h"
#include "editor/focus.h"
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

// A typed character replaces the selection, but only once the field's filters have taken it
// as they would with the selection gone: a refused one leaves the selection as it was.
void insertTyped(SettingsForm& form, TextView character) {
  TextField& field = focused(form);
  const TextRange selected = field.removableSelection();
  TextField without = field;
  if (!selected.empty()) {
    without.text.erase(static_cast<std::size_t>(selected.from),
                       static_cast<std::size_t>(selected.size()));
    without.caret = static_cast<std::int16_t>(selected.from);
  }
  const FilteredChar typed = filterTypedChar(without, form.focusedField, character);
  if (typed.verdict == CharVerdict::Ignore) return;
  if (typed.verdict == CharVerdict::Refuse) return refuseKey(form);
  field.removeSelection(form.metrics);
  field.insertAtCaret(form.metrics, typed.character);
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
  switch (focused(form).backspace(form.metrics)) {
    case TextField::Edit::Done:
      return commitEdit(form, form.focusedField);
    case TextField::Edit::Refused:
      return refuseKey(form);
    case TextField::Edit::Nothing:
      return;
  }
}

void escape(SettingsForm& form) {
  endEditing(form);
  requestFrame(form);
}

// Clears the whole field to what its row says Delete leaves, the fixed ending after it; the
// caret goes where typing resumes.
void clearField(SettingsForm& form) {
  focused(form).clear();
  validateAndCommit(form, form.focusedField);
  requestFrame(form);
}

}  // namespace

void handleChar(SettingsForm& form, char16_t ch) {
  if (form.interactionMode != InteractionMode::Editing) {
    // Tab walks round the page's controls; Escape takes the focus from the one that has it.
    if (ch == kTab) moveFocus(form, 1);
    if (ch == kEscape) dropFocus(form);
    return;
  }
  const char16_t pendingHigh = std::exchange(form.pendingHighSurrogate, 0);
  switch (ch) {
    case kBackspace:
      return backspace(form);
    case kTab:
      return moveFocus(form, 1);
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
  if (isHelpKey(stroke)) {
    showFocusedHelp(form);
    return true;
  }
  if (form.interactionMode != InteractionMode::Editing) {
    return handleControlKey(form, stroke, false);
  }
  switch (stroke.key) {
    case Key::Left:
    case Key::Right:
    case Key::Home:
    case Key::End:
      focused(form).moveCaret(form.metrics, stroke);
      requestFrame(form);
      break;
    case Key::Delete:
      // A selection goes; with nothing selected the whole field is cleared.
      if (focused(form).removeSelection(form.metrics)) {
        commitEdit(form, form.focusedField);
      } else {
        clearField(form);
      }
      break;
    default:
      return false;
  }
  return true;
}

bool handleKeyRepeat(SettingsForm& form, const KeyStroke& stroke) {
  if (form.interactionMode != InteractionMode::Editing) return handleControlKey(form, stroke, true);
  return (stroke.key == Key::Left || stroke.key == Key::Right) && handleKeyUp(form, stroke);
}

void tabBackward(SettingsForm& form) { moveFocus(form, -1); }

void commitEdit(SettingsForm& form, int slot) {
  const TextField& field = form.fields[slot];
  if (field.sliderLinked && field.numeric) sliderFollowsField(form, slot);
  validateAndCommit(form, slot);
  requestFrame(form);
}

void dragStep(SettingsForm& form) {
  focused(form).dragTo(form.metrics, form.mouseX, form.host().clockMs());
  requestFrame(form);
}

}  // namespace zarq
