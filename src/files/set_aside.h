#pragma once
// Keeping a file the editor cannot use out of the way of its next write, without ever
// destroying it or an earlier one kept the same way.

#include <filesystem>
#include <optional>

#include "platform/file_system.h"

namespace zarq {

inline constexpr char kAsideSuffix[] = ".unreadable";

// Renames `file` to "FILE.unreadable", or "FILE.unreadable-2", "-3", ... when those are
// taken. Returns the new name, or nothing when the file could not be moved.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& file, FileSystem& files);

}  // namespace zarq
