#include "app/gtk/app_icon.h"

#include <gtk/gtk.h>

namespace zarq::gtk {

void provideAppIcon() {
  // data/zarq-settings.gresource.xml puts the SVG under this path, in the layout of the
  // hicolor theme.
  gtk_icon_theme_add_resource_path(gtk_icon_theme_get_default(),
                                   "/org/zarqradoziro/settings/icons");
  gtk_window_set_default_icon_name(kAppIconName);
}

}  // namespace zarq::gtk
