#pragma once
// Finding a file the form names, as Windows would: the name exactly, else the one entry of
// the folder that differs from it only in letter case. The form's suffixes are capitals
// while files are often not ("demo.png" for "PNG"); a folder holding several such entries
// ("a.png" and "A.PNG") is ambiguous, and none of them is taken.

#include <filesystem>

#include "common/text.h"

namespace zarq {

// The path of `name` in `folder`: the exact name when it exists or when no single entry
// matches it ignoring case (the caller then finds nothing there), else that entry. A name
// holding a separator is taken as it is.
std::filesystem::path findFile(const std::filesystem::path& folder, TextView name);

}  // namespace zarq
