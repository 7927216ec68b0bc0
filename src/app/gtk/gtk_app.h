#pragma once
// The editor on GTK: what its start-up (editor/editor_start.h) needs of GTK.

namespace zarq::gtk {

// Takes GTK's own options out of the command line, then runs the editor on the rest until
// its window is closed; returns the exit status runEditor of the core gives, or 2 for a GTK
// option not understood.
int runEditor(int argc, char** argv);

}  // namespace zarq::gtk
