#include "editor/editing.h"

#include "form/settings_form.h"

namespace zarq {

TextField& beginEditing(SettingsForm& form, int slot) {
  if (form.interactionMode == InteractionMode::Editing && form.focusedField != slot) {
    unfocusField(form, form.focusedField);
  }
  form.interactionMode = InteractionMode::Editing;
  form.focusedField = static_cast<std::int16_t>(slot);
  form.focus = {};
  TextField& field = form.fields[slot];
  field.focused = true;
  return field;
}

void unfocusField(SettingsForm& form, int slot) { form.fields[slot].loseKeyboard(form.metrics); }

void releaseKeyboard(SettingsForm& form) {
  if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
}

void endEditing(SettingsForm& form) {
  releaseKeyboard(form);
  form.interactionMode = InteractionMode::Idle;
}

}  // namespace zarq
