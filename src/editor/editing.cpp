#include "editor/editing.h"

#include "form/settings_form.h"

namespace zarq {

TextField& beginEditing(SettingsForm& form, int slot) {
  // Only `focusedField` is ever focused: it lets go by its own flag, whatever the mode says,
  // so that two fields never hold the keyboard at once.
  if (form.focusedField != slot) releaseKeyboard(form);
  form.interactionMode = InteractionMode::Editing;
  form.focusedField = static_cast<std::int16_t>(slot);
  form.focus = {};
  TextField& field = form.fields[slot];
  field.focused = true;
  return field;
}

void unfocusField(SettingsForm& form, int slot) { form.fields[slot].loseKeyboard(form.metrics); }

void releaseKeyboard(SettingsForm& form) {
  if (form.fields[form.focusedField].focused) unfocusField(form, form.focusedField);
}

void endEditing(SettingsForm& form) {
  releaseKeyboard(form);
  // A drag is the pointer's: it ends with its release or with its page.
  if (form.interactionMode == InteractionMode::Editing)
    form.interactionMode = InteractionMode::Idle;
}

}  // namespace zarq
