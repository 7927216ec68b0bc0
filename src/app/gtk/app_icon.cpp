#include "app/gtk/app_icon.h"

#include <gtk/gtk.h>

#include <string>

namespace zarq::gtk {

void provideAppIcon() {
  // The sizes the build drew into the program's resources (CMakeLists.txt).
  GList* icons = nullptr;
  for (const char* size : {"32", "64"}) {
    const std::string path = std::string("/org/zarqradoziro/settings/icon/") + size + ".png";
    if (GdkPixbuf* icon = gdk_pixbuf_new_from_resource(path.c_str(), nullptr)) {
      icons = g_list_append(icons, icon);
    }
  }
  gtk_window_set_default_icon_list(icons);
  g_list_free_full(icons, g_object_unref);
}

}  // namespace zarq::gtk
