#pragma once
// What tells one file from another and from its own earlier contents, without reading it:
// the path with every link resolved, the size and the time of the last change.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace zarq {

struct FileIdentity {
  std::filesystem::path resolved;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of an existing regular file; nullopt for anything else.
std::optional<FileIdentity> identifyFile(const std::filesystem::path& file);

}  // namespace zarq
