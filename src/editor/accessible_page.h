#pragma once
// The page on view as a screen reader reads it, built from the rows of the page's controls
// and the form's state: the one description that every back end publishes.

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// Every shown control, in reading order: the page's controls from top to bottom and left to
// right, each message right after the control it hangs on, then the two page arrows.
AccessiblePage describePage(SettingsForm& form);

// What a click on the control does (a field takes the keyboard with its caret at the end);
// for a screen reader's "press" and "activate". Draws nothing.
void activateControl(SettingsForm& form, ControlRef control);

}  // namespace zarq
