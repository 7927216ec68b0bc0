#pragma once
// What tells one file from another and from its own earlier contents, without reading it:
// the file the path leads to (its device and node) with its size and the time of its last
// change, and the path it was found at.

#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/file_system.h"

namespace zarq {

struct FileIdentity {
  std::filesystem::path path;
  std::uint64_t device = 0, node = 0, size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file `file` leads to, through links; nullopt for anything else.
std::optional<FileIdentity> identifyFile(FileSystem& files, const std::filesystem::path& file);

}  // namespace zarq
