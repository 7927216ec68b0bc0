#include "editor/editing.h"

#include "form/settings_form.h"

namespace zarq {

void unfocusField(SettingsForm& form, int slot) {
  TextField& field = form.fields[slot];
  field.focused = false;
  field.clearSelection();
  field.caret = 0;
  field.scroll = 0;
  field.fitText(form.metrics, true);
}

void releaseKeyboard(SettingsForm& form) {
  if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
}

void endEditing(SettingsForm& form) {
  releaseKeyboard(form);
  form.interactionMode = InteractionMode::Idle;
}

}  // namespace zarq
