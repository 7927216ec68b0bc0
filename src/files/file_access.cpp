#include "files/file_access.h"

namespace zarq {

bool fileExists(FileSystem& files, const std::filesystem::path& file) {
  FileStatus status;
  return files.resolvedStatus(file, status) == FileError::None &&
         status.kind != FileStatus::Kind::Missing;
}

bool fileReadable(FileSystem& files, const std::filesystem::path& file) {
  FileStatus status;
  if (files.resolvedStatus(file, status) != FileError::None) return false;
  if (status.kind == FileStatus::Kind::Folder) return true;
  // Pipes and devices are refused unopened: opening one for real could block the editor.
  FileSystem::Handle handle = 0;
  if (files.openForReading(file, handle) != FileError::None) return false;
  files.close(handle);
  return true;
}

FileError readUpTo(FileSystem& files, FileSystem::Handle handle, std::span<std::uint8_t> into,
                   std::size_t& filled) {
  filled = 0;
  while (filled < into.size()) {
    std::size_t got = 0;
    if (const FileError error = files.read(handle, into.subspan(filled), got);
        error != FileError::None) {
      return error;
    }
    if (got == 0) break;
    filled += got;
  }
  return FileError::None;
}

FileError readFileHead(FileSystem& files, const std::filesystem::path& file, std::size_t most,
                       std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  FileSystem::Handle handle = 0;
  if (const FileError error = files.openForReading(file, handle); error != FileError::None) {
    return error;
  }
  bytes.resize(most);
  std::size_t filled = 0;
  const FileError error = readUpTo(files, handle, bytes, filled);
  files.close(handle);
  bytes.resize(error == FileError::None ? filled : 0);
  return error;
}

}  // namespace zarq
