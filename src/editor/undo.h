#pragma once
// Undo and redo across the whole form. After every user action the window's events record
// what changed as one step; a run of typing in one field is one step until the caret moves
// or something else happens. Files an action wrote stay as they are.

namespace zarq {

struct SettingsForm;

// The history starts afresh from the form as it is now (the window has just opened).
void startHistory(SettingsForm& form);
// After one user action: a step when the form's values changed. `typing` is a character or
// Backspace typed, which joins the run of typing before it in the same field.
void recordStep(SettingsForm& form, bool typing);
// After a key repeated or was released (`released`), having acted or not (`acted`): what one
// key does from its first change to its release (a slider held moving on) is one step.
void recordKeyStep(SettingsForm& form, bool acted, bool released);
// Ctrl+Z and Ctrl+Y: the values of the step before (after), with the states and places that
// follow them, the page on view shown and validated afresh, and the field that was being
// edited given the keyboard back.
void undo(SettingsForm& form);
void redo(SettingsForm& form);

}  // namespace zarq
