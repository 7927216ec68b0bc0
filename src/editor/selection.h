#pragma once
// The selected run of the field being edited: what typing, Backspace, Delete and cutting
// remove, and what copying puts on the clipboard.

#include "draw/text_field.h"

namespace zarq {

struct SettingsForm;

// The selection of the edited field as far as it may be removed: a fixed ending (the
// duration's unit "秒") never is.
TextRange removableSelection(const SettingsForm& form);
// Removes the removable selection, the caret at its start, and refits; the edit is not
// committed yet. False (and the selection cleared) when there was nothing to remove.
bool removeSelection(SettingsForm& form);

// Ctrl+A: the whole edited field is selected, the caret at its end.
void selectAll(SettingsForm& form);
// Ctrl+C: the selection, or the whole field when nothing is selected, to the clipboard.
void copySelection(SettingsForm& form);
// Ctrl+X: the selection to the clipboard and out of the field; nothing without one.
void cutSelection(SettingsForm& form);

}  // namespace zarq
