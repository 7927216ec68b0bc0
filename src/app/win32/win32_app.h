#pragma once
// The editor on Windows: start-up, the paced loop and shut-down.

#include <windows.h>

namespace zarq::win32 {

// Opens the editor's window on the process's current directory and runs until it is
// closed. Returns the exit code: 0, or 1 when the window cannot be made.
int runEditor(HINSTANCE instance, int showCommand);

}  // namespace zarq::win32
