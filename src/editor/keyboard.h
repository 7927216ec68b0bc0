#pragma once
// Typing into the focused field, and the caret keys.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// One UTF-16 unit typed (8 Backspace, 9 Tab, 13 Enter, 27 Escape, or a character).
void handleChar(SettingsForm& form, char16_t ch);
// A key released: Left, Right, Home, End and Delete act now. False when the key did nothing
// (any other key, or no field being edited).
bool handleKeyUp(SettingsForm& form, const KeyStroke& stroke);
// A key held long enough to repeat: Left and Right act once more on each repeat. False when
// the key did nothing.
bool handleKeyRepeat(SettingsForm& form, const KeyStroke& stroke);
// Shift+Tab: the previous field of the page, wrapping round as Tab does.
void tabToPreviousField(SettingsForm& form);
// Revalidates a slot after its text changed; the slider it mirrors follows.
void commitEdit(SettingsForm& form, int slot);
// Caret movement while the button is held in a field and the pointer is outside it.
void dragStep(SettingsForm& form);

}  // namespace zarq
