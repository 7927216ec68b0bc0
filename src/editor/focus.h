#pragma once
// The keyboard's focus: which control has it, how Tab and Shift+Tab move it round the page,
// and what becomes of it when its control goes away. A text field with the focus is the
// edited field; any other control is `SettingsForm::focus`.

#include <vector>

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// Shown and usable now (the auto-fill offer: while it shows).
bool canTakeFocus(const SettingsForm& form, ControlRef control);
// The controls of the page on view that Tab stops at, in the order it visits them: the page's
// tab order (form/tab_order.h) with one stop for each pair of options (the focused option, else
// the selected one of a pair that holds exactly one, else the first), and the auto-fill offer
// right after the field it hangs on while it shows.
std::vector<ControlRef> focusCycle(SettingsForm& form);
// Tab (`direction` 1) and Shift+Tab (-1): the next control of the cycle, wrapping round; with
// nothing focused, the first (the last). No validation runs.
void moveFocus(SettingsForm& form, int direction);
// `control` takes the focus: a text field is edited with its whole text selected, as a native
// field reached by the keyboard is; any other control takes the keyboard from the edited field.
void focusControl(SettingsForm& form, ControlRef control);
// Nothing has the focus any more.
void dropFocus(SettingsForm& form);
// A control that went away (hidden, unusable, on another page) loses the focus.
void dropFocusIfGone(SettingsForm& form);

}  // namespace zarq
