#pragma once
// What `history` and `restore` work on: the preset whose earlier versions its history keeps,
// and how they name a version's time.

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/file_system.h"

namespace zarq::tool {

// FILE itself, or "save.set" of a FOLDER; that of the current folder when nothing is named.
std::filesystem::path presetNamedBy(FileSystem& files, const std::string* operand);

// When a version was kept, in local time: "2025-01-31 23:59:59".
std::string keptTime(std::int64_t seconds);

}  // namespace zarq::tool
