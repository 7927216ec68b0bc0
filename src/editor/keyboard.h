#pragma once
// Typing into the focused field, and the caret keys.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// One UTF-16 unit typed (8 Backspace, 9 Tab, 13 Enter, 27 Escape, or a character). With no
// field edited only Tab (the next control) and Escape (no focus) do anything.
void handleChar(SettingsForm& form, char16_t ch);
// A key released: in the edited field Left, Right, Home, End and Delete act now; any other
// control with the focus takes its keys (editor/control_keys.h); the help keys explain what
// has the focus. False when the key did nothing.
bool handleKeyUp(SettingsForm& form, const KeyStroke& stroke);
// A key held long enough to repeat: Left and Right move the caret once more on each repeat, a
// focused slider's keys move it on. False when the key did nothing.
bool handleKeyRepeat(SettingsForm& form, const KeyStroke& stroke);
// Shift+Tab: the previous control of the page, wrapping round as Tab does.
void tabBackward(SettingsForm& form);
// Revalidates a slot after its text changed; the slider it mirrors follows.
void commitEdit(SettingsForm& form, int slot);
// Caret movement while the button is held in a field and the pointer is outside it.
void dragStep(SettingsForm& form);

}  // namespace zarq
