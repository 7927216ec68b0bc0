#pragma once
// The clipboard and the selection commands on the field being edited.

namespace zarq {

struct SettingsForm;

// Ctrl+A: the whole edited field is selected, the caret at its end.
void selectAll(SettingsForm& form);
// Ctrl+C: the selection, or the whole field when nothing is selected, to the clipboard.
void copySelection(SettingsForm& form);
// Ctrl+X: the selection to the clipboard and out of the field; nothing without one.
void cutSelection(SettingsForm& form);

}  // namespace zarq
