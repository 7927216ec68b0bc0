#pragma once
// Finding a file the form names, as Windows would: the name exactly, else the one entry of
// the folder that differs from it only in letter case. The form's suffixes are capitals
// while files are often not ("demo.png" for "PNG"); a folder holding several such entries
// ("a.png" and "A.PNG") is ambiguous, and none of them is taken.

#include <filesystem>

#include "common/text.h"
#include "files/kept_listing.h"
#include "platform/file_system.h"

namespace zarq {

// The path of `name` in `folder`: the exact name when it exists or when no single entry
// matches it ignoring case (the caller then finds nothing there), else that entry. A name
// holding a separator is taken as it is. It asks `files`: one look at the name, and a listing
// of the folder when the name is not there.
std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name);
// The same with the folder's entries taken from `kept`, which lists it only when it changed;
// a file system that keeps listings itself is asked instead.
std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name, KeptListing& kept);

}  // namespace zarq
