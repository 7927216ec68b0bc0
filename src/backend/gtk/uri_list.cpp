#include "backend/gtk/uri_list.h"

#include <glib.h>

#include "backend/gtk/glib_owned.h"

namespace zarq::gtk {

std::vector<std::filesystem::path> localPathsFromUris(const char* const* uris) {
  std::vector<std::filesystem::path> paths;
  if (!uris) return paths;
  for (const char* const* uri = uris; *uri; ++uri) {
    gchar* host = nullptr;
    const GString8 file(g_filename_from_uri(*uri, &host, nullptr));
    const GString8 hostname(host);
    const bool local = file && (!hostname || g_strcmp0(hostname.get(), "localhost") == 0 ||
                                g_strcmp0(hostname.get(), g_get_host_name()) == 0);
    if (local) paths.emplace_back(file.get());
  }
  return paths;
}

}  // namespace zarq::gtk
