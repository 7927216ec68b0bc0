#pragma once
// The folder the editor worked in last, kept in the user's configuration folder, so that a
// start from the desktop's menu or from a file association goes back to it.

#include <filesystem>
#include <optional>

#include "platform/file_system.h"

namespace zarq {

// Where it is kept: "zarq-settings/last-folder" in the configuration folder given (XDG
// config home on Linux, the roaming application data folder on Windows).
std::filesystem::path rememberedFolderFile(const std::filesystem::path& configHome);
// The folder kept there: an absolute path, or nothing when there is none, the file cannot
// be read or holds no absolute path. Whether the folder still exists is the caller's
// question.
std::optional<std::filesystem::path> readRememberedFolder(const std::filesystem::path& configHome);
// Keeps `folder` (absolute) for the next start, creating the configuration folder when
// needed and replacing what was kept atomically. False when it could not be written.
bool rememberFolder(FileSystem& files, const std::filesystem::path& configHome,
                    const std::filesystem::path& folder);

}  // namespace zarq
