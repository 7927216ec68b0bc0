#pragma once
// What a key does to the focused control other than a text field (Space, Enter, the slider
// keys), and the help keys, which explain whatever has the focus.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// F1, the context-menu key and Shift+F10.
bool isHelpKey(const KeyStroke& stroke);
// The focused control's help text, as a click on its caption shows it; with nothing focused
// (or a page arrow), the page title's, which lists the keys.
void showFocusedHelp(SettingsForm& form);
// A key released, or repeating (`repeat`), while a control other than a text field has the
// focus: Space toggles a check box or an option; Space and Enter move the selector on, answer
// the auto-fill offer and turn the page by an arrow (which keeps the focus on the new page);
// the slider keys move a slider, its field following and checked as at the end of a drag.
// False when the key did nothing.
bool handleControlKey(SettingsForm& form, const KeyStroke& stroke, bool repeat);

}  // namespace zarq
