#pragma once
// The editor on Windows: what its start-up (editor/editor_start.h) needs of Windows.

#include <windows.h>

namespace zarq::win32 {

// Runs the editor on the program's command line until its window is closed; returns the
// exit status runEditor of the core gives.
int runEditor(HINSTANCE instance, int showCommand);

}  // namespace zarq::win32
