#pragma once
// The page on view as a screen reader reads it, built from the rows of the page's controls
// and the form's state: the one description that every back end publishes, and what a
// screen reader may do with it.

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// Every shown control, in the order Tab takes them (form/tab_order.h), each message right
// after the control it hangs on, the two page arrows last.
AccessiblePage describePage(SettingsForm& form);
// What a back end publishes for screen readers: this description, and their requests carried
// out as the window's events (onToolRequest).
AccessibleSource accessibleSource(SettingsForm& form);

// What a click on the control does (a field takes the keyboard with its caret at the end);
// for a screen reader's "press" and "activate". Draws nothing.
void activateControl(SettingsForm& form, ControlRef control);
// A screen reader moves the focus there, as Tab would; false where it cannot go.
bool focusByTool(SettingsForm& form, ControlRef control);
// A screen reader writes into the control: the units `from` to `to` of a field's text become
// `text`, typed as the keyboard types it (refused characters ring the bell); a slider takes
// the number `text` reads as, or `amount` when `text` is empty; the selector the type at
// `amount`.
void editByTool(SettingsForm& form, ControlRef control, int from, int to, TextView text,
                double amount = 0);

}  // namespace zarq
