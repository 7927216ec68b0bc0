#include "editor/undo.h"

#include <algorithm>
#include <utility>

#include "editor/editing.h"
#include "editor/preset_actions.h"
#include "form/form_preset.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

FormState stateOf(const SettingsForm& form) {
  const bool editing = form.interactionMode == InteractionMode::Editing;
  return {presetFromForm(form), editing ? form.focusedField : -1,
          editing ? form.fields[form.focusedField].caret : 0};
}

// Puts a recorded state back as a preset load does, then gives its field the keyboard back
// where that field can still be edited. A state that recorded no field being edited (a box
// ticked, perhaps on another page) leaves the keyboard in the field that has it: the user
// keeps their place.
void restore(SettingsForm& form, const FormState& state) {
  const FormState now = stateOf(form);
  const FormState& keyboard = state.focusedSlot >= 0 ? state : now;
  endEditing(form);
  form.pendingHighSurrogate = 0;
  applyPreset(form, state.values, true);
  const int slot = keyboard.focusedSlot;
  if (slot >= 0 && form.fields[slot].shown() && form.fields[slot].enabled()) {
    TextField& field = beginEditing(form, slot);
    field.clearSelection();
    field.caret = static_cast<std::int16_t>(
        characterBoundary(field.text, static_cast<std::size_t>(std::max(keyboard.caret, 0))));
    field.fitText(form.metrics, true);
  }
  requestFrame(form);
}

}  // namespace

void startHistory(SettingsForm& form) {
  form.history.clear();
  form.history.current = stateOf(form);
}

void recordStep(SettingsForm& form, bool typing) {
  UndoHistory& history = form.history;
  history.heldKeyRun = false;
  // A slider drag is one step, taken when it ends.
  if (form.interactionMode == InteractionMode::SliderDrag) return;
  FormState now = stateOf(form);
  const bool sameRun = typing && history.typingRun && history.typingSlot == now.focusedSlot;
  if (now.values == history.current.values) {
    // Nothing changed, but the caret may have moved: a step taken back later puts it here.
    history.current = std::move(now);
  } else if (sameRun) {
    history.current = std::move(now);
  } else {
    history.push(std::move(now));
  }
  history.typingRun = typing;
  history.typingSlot = history.current.focusedSlot;
}

void recordKeyStep(SettingsForm& form, bool acted, bool released) {
  UndoHistory& history = form.history;
  if (acted && form.interactionMode != InteractionMode::SliderDrag) {
    if (history.heldKeyRun) {
      // The key's first change made the step; what it does while still held joins it.
      history.current = stateOf(form);
      history.typingRun = false;
    } else {
      const bool changes = !(stateOf(form).values == history.current.values);
      recordStep(form, false);
      history.heldKeyRun = changes;
    }
  }
  // A release that did nothing leaves a run of typing going, as it always has.
  if (released) history.heldKeyRun = false;
}

void undo(SettingsForm& form) {
  UndoHistory& history = form.history;
  if (history.undo.empty()) return;
  FormState back = std::move(history.undo.back());
  history.undo.pop_back();
  history.redo.push_back(std::exchange(history.current, back));
  history.typingRun = false;
  restore(form, back);
}

void redo(SettingsForm& form) {
  UndoHistory& history = form.history;
  if (history.redo.empty()) return;
  FormState again = std::move(history.redo.back());
  history.redo.pop_back();
  history.undo.push_back(std::exchange(history.current, again));
  history.typingRun = false;
  restore(form, again);
}

}  // namespace zarq
