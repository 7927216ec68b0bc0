#pragma once
// The keyboard's owner: which field is being edited, how editing begins and how it ends.

namespace zarq {

struct SettingsForm;
struct TextField;

// The field at `slot` takes the keyboard (a click, Tab, Enter between two lines, an undo):
// the field edited before, or the control that had the focus, lets go of it and the form is
// editing. The caller places the caret.
TextField& beginEditing(SettingsForm& form, int slot);

// The field loses the keyboard: caret and scroll back to 0.
void unfocusField(SettingsForm& form, int slot);
// The edited field lets go of the keyboard at once (a press elsewhere); editing itself
// ends with the release or the page turn.
void releaseKeyboard(SettingsForm& form);

// Editing ends: the edited field lets go of the keyboard and the form is idle (a slider's drag
// goes on until its release).
void endEditing(SettingsForm& form);

}  // namespace zarq
