#include "files/file_identity.h"

namespace zarq {

std::optional<FileIdentity> identifyFile(FileSystem& files, const std::filesystem::path& file) {
  FileStatus status;
  if (files.resolvedStatus(file, status) != FileError::None ||
      status.kind != FileStatus::Kind::Regular) {
    return std::nullopt;
  }
  return FileIdentity{file, status.device, status.node, status.size, status.modifiedNs};
}

}  // namespace zarq
