#pragma once
// Typing into the focused field, and the caret keys.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// One UTF-16 unit typed (8 Backspace, 9 Tab, 13 Enter, 27 Escape, or a character).
void handleChar(SettingsForm& form, char16_t ch);
void handleKeyUp(SettingsForm& form, Key key);
// Revalidates a slot after its text changed and draws.
void commitEdit(SettingsForm& form, int slot);
// Caret movement while the button is held in a field and the pointer is outside it.
void dragStep(SettingsForm& form);

}  // namespace zarq
