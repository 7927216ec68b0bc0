#include "backend/gtk/desktop_palette.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "backend/gtk/glib_owned.h"
#include "backend/gtk/held_theme.h"

namespace zarq::gtk {
namespace {

Argb argbOf(const GdkRGBA& c) {
  const auto byte = [](double v) {
    return static_cast<Argb>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return 0xFF000000 | byte(c.red) << 16 | byte(c.green) << 8 | byte(c.blue);
}

// GTK_THEME overrides the desktop's setting, as GTK itself does.
std::string themeName() {
  if (const char* forced = forcedThemeName()) return forced;
  gchar* name = nullptr;
  g_object_get(gtk_settings_get_default(), "gtk-theme-name", &name, nullptr);
  const GString8 owned(name);
  return name ? name : "";
}

Argb namedColour(GtkStyleContext* style, const char* name, Argb fallback) {
  GdkRGBA colour;
  return gtk_style_context_lookup_color(style, name, &colour) ? argbOf(colour) : fallback;
}

}  // namespace

bool isHighContrastTheme(std::string_view name) {
  std::string lower(name.substr(0, name.find(':')));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("highcontrast") != std::string::npos ||
         lower.find("high-contrast") != std::string::npos ||
         lower.find("high contrast") != std::string::npos;
}

Palette desktopPalette(GtkWidget* widget) {
  if (!widget || !isHighContrastTheme(themeName())) return {};
  // The colours are the theme's own.
  releaseTheme();
  GtkStyleContext* style = gtk_widget_get_style_context(widget);
  GdkRGBA text;
  gtk_style_context_get_color(style, GTK_STATE_FLAG_NORMAL, &text);
  Palette palette;
  palette.highContrast = true;
  palette.foreground = namedColour(style, "theme_fg_color", argbOf(text));
  palette.background =
      namedColour(style, "theme_bg_color", 0xFF000000 | (~palette.foreground & 0x00FFFFFF));
  palette.disabled = namedColour(style, "insensitive_fg_color", palette.foreground);
  return palette;
}

}  // namespace zarq::gtk
