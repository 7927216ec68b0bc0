#include "files/file_version.h"

#include <vector>

namespace zarq {
namespace {

// FNV-1a: quick, and plenty to tell one version of a preset from another.
constexpr std::uint64_t kHashStart = 14695981039346656037ull;
constexpr std::uint64_t kHashPrime = 1099511628211ull;

FileError hashFile(FileSystem& files, const std::filesystem::path& file, std::uint64_t& hash) {
  FileSystem::Handle handle = 0;
  if (const FileError error = files.openForReading(file, handle); error != FileError::None) {
    return error;
  }
  hash = kHashStart;
  std::vector<std::uint8_t> block(std::size_t{1} << 16);
  FileError error = FileError::None;
  for (std::size_t got = 1; error == FileError::None && got > 0;) {
    error = files.read(handle, block, got);
    for (std::size_t i = 0; error == FileError::None && i < got; ++i) {
      hash = (hash ^ block[i]) * kHashPrime;
    }
  }
  files.close(handle);
  return error;
}

bool sameIdentity(const FileStatus& a, const FileStatus& b) {
  return a.sameFileAs(b) && a.size == b.size && a.modifiedNs == b.modifiedNs;
}

}  // namespace

FileError readFileVersion(FileSystem& files, const std::filesystem::path& file,
                          FileVersion& version) {
  version = {};
  if (const FileError error = files.resolvedStatus(file, version.status);
      error != FileError::None) {
    return error;
  }
  version.exists = version.status.kind != FileStatus::Kind::Missing;
  return version.exists ? hashFile(files, file, version.hash) : FileError::None;
}

FileError changedSince(FileSystem& files, const std::filesystem::path& file,
                       const FileVersion& seen, bool& changed) {
  changed = false;
  FileStatus now;
  if (const FileError error = files.resolvedStatus(file, now); error != FileError::None) {
    return error;
  }
  if (now.kind != FileStatus::Kind::Regular || (seen.exists && sameIdentity(now, seen.status))) {
    return FileError::None;
  }
  std::uint64_t hash = 0;
  if (seen.exists) {
    if (const FileError error = hashFile(files, file, hash); error != FileError::None) return error;
  }
  changed = !seen.exists || hash != seen.hash;
  return FileError::None;
}

}  // namespace zarq
