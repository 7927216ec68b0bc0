#include "backend/gtk/held_theme.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstring>
#include <utility>

namespace zarq::gtk {
namespace {

// GTK takes a theme from its own resources' theme folder first: the program's resources put
// an empty one there under this name (data/zarq-settings.gresource.xml).
constexpr char kEmptyTheme[] = "zarq-settings-unthemed";

bool held = false;

}  // namespace

void holdThemeBack() {
  if (g_getenv("GTK_THEME")) return;
  held = g_setenv("GTK_THEME", kEmptyTheme, FALSE);
}

void releaseTheme() {
  if (!std::exchange(held, false)) return;
  // An empty GTK_THEME forces nothing. Replacing the value in place leaves the environment's
  // list as it is, for any other thread reading it.
  g_setenv("GTK_THEME", "", TRUE);
  // GTK loads its theme again when the theme's name is said to have changed.
  g_object_notify(G_OBJECT(gtk_settings_get_default()), "gtk-theme-name");
}

void releaseThemeWhereGtkDecorates(GdkDisplay* display) {
  if (!GDK_IS_X11_DISPLAY(display) || g_strcmp0(g_getenv("GTK_CSD"), "1") == 0) releaseTheme();
}

const char* forcedThemeName() {
  const char* forced = g_getenv("GTK_THEME");
  if (!forced || !*forced || (held && std::strcmp(forced, kEmptyTheme) == 0)) return nullptr;
  return forced;
}

}  // namespace zarq::gtk
