#pragma once
// The desktop's colours on GTK: under a high-contrast theme (one whose name says so, such as
// "HighContrast" or "HighContrastInverse", chosen in the desktop's settings or by GTK_THEME)
// the theme's foreground, background and disabled text colours.

#include <gtk/gtk.h>

#include <string_view>

#include "platform/platform.h"

namespace zarq::gtk {

// Whether a theme of this name ("Adwaita", "HighContrast", "HighContrastInverse:dark", ...)
// is one of high contrast.
bool isHighContrastTheme(std::string_view name);
// The palette `widget` is drawn in now: the editor's own look, or the high-contrast theme's
// colours as the widget's style gives them.
Palette desktopPalette(GtkWidget* widget);

}  // namespace zarq::gtk
