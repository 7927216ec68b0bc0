#include "editor/selection.h"

#include "editor/keyboard.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

bool editing(const SettingsForm& form) { return form.interactionMode == InteractionMode::Editing; }

}  // namespace

void selectAll(SettingsForm& form) {
  if (!editing(form)) return;
  form.fields[form.focusedField].selectAll(form.metrics);
  requestFrame(form);
}

void copySelection(SettingsForm& form) {
  if (!editing(form)) return;
  form.host().setClipboardText(form.fields[form.focusedField].copied());
}

void cutSelection(SettingsForm& form) {
  if (!editing(form)) return;
  TextField& field = form.fields[form.focusedField];
  const TextRange range = field.removableSelection();
  if (range.empty()) return;
  form.host().setClipboardText(TextView(field.text).substr(range.from, range.size()));
  field.removeSelection(form.metrics);
  commitEdit(form, form.focusedField);
}

}  // namespace zarq
