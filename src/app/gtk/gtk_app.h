#pragma once
// The editor on GTK: start-up, the loop and shut-down.

namespace zarq::gtk {

// Opens the editor's window on the process's current directory and runs until the window
// is closed. Returns the exit code: 0, 128 + the signal that ended the session, or 1 when no
// display can be opened or another editor works in the folder.
int runEditor(int argc, char** argv);

}  // namespace zarq::gtk
