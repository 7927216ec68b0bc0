#pragma once
// The editor on Windows: start-up, the paced loop and shut-down.

#include <windows.h>

namespace zarq::win32 {

// Reads the command line, chooses the working folder and opens the editor's window on it,
// then runs until the window is closed. Returns the exit code: 0 (also when the user
// cancels the folder chooser), 1 when the window cannot be made, 2 for arguments not
// understood.
int runEditor(HINSTANCE instance, int showCommand);

}  // namespace zarq::win32
