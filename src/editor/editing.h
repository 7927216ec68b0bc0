#pragma once
// The keyboard's owner: which field is being edited, and how editing ends.

namespace zarq {

struct SettingsForm;

// The field loses the keyboard: caret and scroll back to 0.
void unfocusField(SettingsForm& form, int slot);
// The edited field lets go of the keyboard at once (a press elsewhere); editing itself
// ends with the release or the page turn.
void releaseKeyboard(SettingsForm& form);

// Editing ends: the edited field lets go of the keyboard and the form is idle.
void endEditing(SettingsForm& form);

}  // namespace zarq
