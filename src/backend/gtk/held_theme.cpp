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
const char* heldLanguages = nullptr;

}  // namespace

void holdThemeBack() {
  if (g_getenv("GTK_THEME")) return;
  held = g_setenv("GTK_THEME", kEmptyTheme, FALSE);
}

void holdLanguagesBack(const char* languages) {
  // "C" stops gettext at once. The variable is there from now on: the languages replace its
  // value in place later, which leaves the environment's list as it is for any other thread
  // reading it.
  if (g_setenv("LANGUAGE", "C", TRUE)) heldLanguages = languages;
}

void releaseTheme() {
  // The next words looked up are the first translated ones: none was found before.
  if (const char* languages = std::exchange(heldLanguages, nullptr)) {
    g_setenv("LANGUAGE", languages, TRUE);
  }
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
