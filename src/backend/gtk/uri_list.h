#pragma once
// Files dropped on the window arrive as a text/uri-list.

#include <filesystem>
#include <vector>

namespace zarq::gtk {

// The local files of a NULL-terminated list of URIs, in order; URIs that name no local
// file (http:, a remote host) are left out.
std::vector<std::filesystem::path> localPathsFromUris(const char* const* uris);

}  // namespace zarq::gtk
