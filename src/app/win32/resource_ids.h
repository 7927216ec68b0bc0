#pragma once
// Identifiers of the editor's resources, shared by the resource script and the code.

// The keyboard accelerators: Ctrl+V, Ctrl+1 to Ctrl+6, Ctrl+S, Ctrl+Shift+S, Ctrl+O,
// Ctrl+Shift+O, for editing Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and
// Shift+Tab, and for the zoom Ctrl+plus, Ctrl+minus (the keypad's too) and Ctrl+0, each
// sending its command number; and Ctrl+Q and Ctrl+W, which close the window.
#define ZARQ_ACCELERATORS 101
// The window's own command: close as the close box does.
#define ZARQ_CLOSE_WINDOW 40030
// The application's icon, the first in the file: Explorer shows it.
#define ZARQ_ICON 1
