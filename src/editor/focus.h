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
// The controls of the page on view that can take the focus, in the order Tab visits them:
// the page's tab order (form/tab_order.h), and the auto-fill offer right after the field it
// hangs on while it shows.
std::vector<ControlRef> focusCycle(const SettingsForm& form);
// Tab (`direction` 1) and Shift+Tab (-1): the next control of the cycle, wrapping round; with
// nothing focused, the first (the last). From one text field to another the caret keeps its
// column; a field reached from anything else gets it at its start. No validation runs.
void moveFocus(SettingsForm& form, int direction);
// `control` takes the focus: a text field is edited, its caret `column` characters into what
// it shows; any other control takes the keyboard from the edited field.
void focusControl(SettingsForm& form, ControlRef control, int column = 0);
// Nothing has the focus any more.
void dropFocus(SettingsForm& form);
// A control that went away (hidden, unusable, on another page) loses the focus.
void dropFocusIfGone(SettingsForm& form);

}  // namespace zarq
