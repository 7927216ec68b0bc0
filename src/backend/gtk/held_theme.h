#pragma once
// GTK's theme is read and parsed only once something of GTK's own shows (a dialog, or the
// colours of a high-contrast theme): the editor's window draws every pixel itself, and the
// theme took about a third of the editor's start and 2.4 MB. Until then GTK runs on an empty
// theme built into the program.
// GTK's translations likewise: GTK and GLib look up the names and blurbs of their classes'
// properties as each class is made, and in a language with a catalogue that reads the
// catalogues (half a megabyte) for words nobody sees.

#include <gdk/gdk.h>

namespace zarq::gtk {

// Called before GTK starts, while the process has one thread. Where GTK_THEME names a theme
// the user asked for it, and nothing is held back.
void holdThemeBack();

// Until GTK shows something of its own, gettext gives the untranslated words; from then on
// it is asked for `languages` (a list as LANGUAGE takes it, kept by the caller for good).
// Called before GTK starts, while the process has one thread.
void holdLanguagesBack(const char* languages);

// GTK speaks the languages held back and loads the desktop's theme now, if it was held back; it
// follows the desktop's changes of theme from then on as it always does.
void releaseTheme();

// Where GTK draws the window's title bar and frame itself (on Wayland, or with GTK_CSD=1) it
// draws them with the theme: there the theme is loaded at once. Called once the display is open.
void releaseThemeWhereGtkDecorates(GdkDisplay* display);

// The theme GTK_THEME forces on GTK, or nothing (the empty theme held back is none).
const char* forcedThemeName();

}  // namespace zarq::gtk
