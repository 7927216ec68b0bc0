#pragma once
// Windows' virtual keys in the editor's key vocabulary (platform/keys.h). Keys pressed with Alt
// come as system keys and never reach the key handler; F10 comes as a system key too, and the
// window hands it over itself.

#include <windows.h>

#include "platform/keys.h"

namespace zarq::win32 {

// The name of the key of `virtualKey`; 0 for a key the editor has no name for. The keypad's
// keys with Num Lock off are the same virtual keys as the keys they stand for.
char32_t keyNameOf(WPARAM virtualKey);
// The virtual key of the key named `name`.
WORD virtualKeyOf(char32_t name);

inline KeyStroke keyStrokeOf(WPARAM virtualKey, bool shift, bool ctrl) {
  return keyStrokeOn(keyNameOf(virtualKey), {.ctrl = ctrl, .shift = shift});
}

}  // namespace zarq::win32
