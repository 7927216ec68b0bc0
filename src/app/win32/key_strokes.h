#pragma once
// The keys the editor's window hands to the caret keys: Left, Right, Home, End and Delete
// with Shift and Ctrl. Keys pressed with Alt come as system keys and are never these.

#include <windows.h>

#include "platform/platform.h"

namespace zarq::win32 {

// The keypad's keys with Num Lock off are the same virtual keys.
KeyStroke keyStrokeOf(WPARAM virtualKey, bool shift, bool ctrl);

}  // namespace zarq::win32
