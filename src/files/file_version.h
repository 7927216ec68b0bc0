#pragma once
// What a file held when the editor last read or wrote it, to tell later whether another
// program has changed it since: which file it was, with its size and time of change, and a
// hash of its bytes for when those differ but the content may not (a file written anew with
// the same bytes).

#include <cstdint>
#include <filesystem>

#include "platform/file_system.h"

namespace zarq {

struct FileVersion {
  bool exists = false;
  FileStatus status;
  std::uint64_t hash = 0;
};

// Reads what `file` is now; a missing file is a version too.
FileError readFileVersion(FileSystem& files, const std::filesystem::path& file,
                          FileVersion& version);

// Whether a file is at `file` that is not the one `seen` describes: one changed, or made
// where there was none. A file removed since is no change, as replacing it loses nothing,
// nor is anything but a regular file, which no write replaces.
FileError changedSince(FileSystem& files, const std::filesystem::path& file,
                       const FileVersion& seen, bool& changed);

}  // namespace zarq
