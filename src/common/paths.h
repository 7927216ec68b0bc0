#pragma once
// File names travel through the core as UTF-16 text; the file system wants native paths.

#include <filesystem>

#include "common/text.h"

namespace zarq {

std::filesystem::path pathFromText(TextView text);
Text textFromPath(const std::filesystem::path& path);
// The file-name part of a path as text (what follows the last separator).
Text fileNameText(const std::filesystem::path& path);

}  // namespace zarq
