#include "editor/selection.h"

#include <algorithm>

#include "editor/keyboard.h"
#include "form/field_table.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

bool editing(const SettingsForm& form) { return form.interactionMode == InteractionMode::Editing; }

}  // namespace

TextRange removableSelection(const SettingsForm& form) {
  const TextField& field = form.fields[form.focusedField];
  TextRange range = field.selection();
  const TextView ending = fieldRow(form.focusedField).fixedEnding;
  if (!ending.empty() && field.text.ends_with(ending)) {
    range.to = std::min(range.to, field.length() - static_cast<int>(ending.size()));
  }
  return range;
}

bool removeSelection(SettingsForm& form) {
  TextField& field = form.fields[form.focusedField];
  const TextRange range = removableSelection(form);
  field.clearSelection();
  if (range.empty()) return false;
  field.text.erase(static_cast<std::size_t>(range.from), static_cast<std::size_t>(range.size()));
  field.caret = static_cast<std::int16_t>(range.from);
  field.scroll = static_cast<std::int16_t>(std::min<int>(field.scroll, range.from));
  field.fitText(form.metrics, true);
  return true;
}

void selectAll(SettingsForm& form) {
  if (!editing(form)) return;
  TextField& field = form.fields[form.focusedField];
  field.anchor = 0;
  field.caret = static_cast<std::int16_t>(field.length());
  field.fitText(form.metrics, true);
  renderFrame(form);
}

void copySelection(SettingsForm& form) {
  if (!editing(form)) return;
  const TextField& field = form.fields[form.focusedField];
  const TextRange range = field.selection();
  form.host().setClipboardText(
      range.empty() ? TextView(field.text) : TextView(field.text).substr(range.from, range.size()));
}

void cutSelection(SettingsForm& form) {
  if (!editing(form)) return;
  const TextField& field = form.fields[form.focusedField];
  const TextRange range = removableSelection(form);
  if (range.empty()) return;
  form.host().setClipboardText(TextView(field.text).substr(range.from, range.size()));
  removeSelection(form);
  commitEdit(form, form.focusedField);
}

}  // namespace zarq
