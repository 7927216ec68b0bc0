#include "backend/gtk/uri_list.h"

#include <glib.h>

namespace zarq::gtk {

std::vector<std::filesystem::path> localPathsFromUris(const char* const* uris) {
  std::vector<std::filesystem::path> paths;
  if (!uris) return paths;
  for (const char* const* uri = uris; *uri; ++uri) {
    gchar* hostname = nullptr;
    gchar* file = g_filename_from_uri(*uri, &hostname, nullptr);
    const bool local = file && (!hostname || g_strcmp0(hostname, "localhost") == 0 ||
                                g_strcmp0(hostname, g_get_host_name()) == 0);
    if (local) paths.emplace_back(file);
    g_free(file);
    g_free(hostname);
  }
  return paths;
}

}  // namespace zarq::gtk
