#pragma once
// The editor on GTK: start-up, the loop and shut-down.

namespace zarq::gtk {

// Reads the command line, chooses the working folder and opens the editor's window on it,
// then runs until the window is closed. Returns the exit code: 0 (also when the user
// cancels the folder chooser), 1 when the editor cannot start or another editor works in
// the folder, 2 for arguments not understood, 128 + the signal's number when a signal
// ended it.
int runEditor(int argc, char** argv);

}  // namespace zarq::gtk
