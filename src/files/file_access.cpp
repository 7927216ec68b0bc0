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

}  // namespace zarq
