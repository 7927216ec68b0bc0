#pragma once
// The keys the editor's window hands over as they are released: Left, Right, Home, End,
// Delete, Up, Down, Page Up, Page Down, Space, Enter, F1, F10 and the context-menu key, with
// Shift and Ctrl. Keys pressed with Alt come as system keys and are never these; F10 comes as
// a system key too, and the window hands it over itself.

#include <windows.h>

#include "platform/platform.h"

namespace zarq::win32 {

// The keypad's keys with Num Lock off are the same virtual keys.
KeyStroke keyStrokeOf(WPARAM virtualKey, bool shift, bool ctrl);

}  // namespace zarq::win32
