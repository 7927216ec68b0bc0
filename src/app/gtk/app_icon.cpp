#include "app/gtk/app_icon.h"

#include <gtk/gtk.h>

#include <string>

#include "backend/gtk/glib_owned.h"

namespace zarq::gtk {
namespace {

// A PNG of the resources, read by the PNG loader named: left to guess the format, GdkPixbuf
// would load the desktop's MIME database to sniff it, and keep it mapped.
GdkPixbuf* pngFromResource(const std::string& path) {
  GBytes* bytes = g_resources_lookup_data(path.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!bytes) return nullptr;
  GdkPixbuf* picture = nullptr;
  if (const GObjectRef<GdkPixbufLoader> loader{gdk_pixbuf_loader_new_with_type("png", nullptr)}) {
    gsize size = 0;
    const auto* data = static_cast<const guchar*>(g_bytes_get_data(bytes, &size));
    if (gdk_pixbuf_loader_write(loader.get(), data, size, nullptr) &&
        gdk_pixbuf_loader_close(loader.get(), nullptr)) {
      picture = gdk_pixbuf_loader_get_pixbuf(loader.get());
      if (picture) g_object_ref(picture);
    } else {
      gdk_pixbuf_loader_close(loader.get(), nullptr);
    }
  }
  g_bytes_unref(bytes);
  return picture;
}

}  // namespace

void provideAppIcon() {
  // The sizes the build drew into the program's resources (CMakeLists.txt).
  GList* icons = nullptr;
  for (const char* size : {"32", "64"}) {
    if (GdkPixbuf* icon =
            pngFromResource(std::string("/org/zarqradoziro/settings/icon/") + size + ".png")) {
      icons = g_list_append(icons, icon);
    }
  }
  gtk_window_set_default_icon_list(icons);
  g_list_free_full(icons, g_object_unref);
}

}  // namespace zarq::gtk
