#include "files/file_identity.h"

#include <system_error>

namespace zarq {

std::optional<FileIdentity> identifyFile(const std::filesystem::path& file) {
  std::error_code error;
  FileIdentity identity;
  identity.resolved = std::filesystem::canonical(file, error);
  if (error || !std::filesystem::is_regular_file(identity.resolved, error)) return std::nullopt;
  identity.size = std::filesystem::file_size(identity.resolved, error);
  if (error) return std::nullopt;
  identity.modified = std::filesystem::last_write_time(identity.resolved, error);
  if (error) return std::nullopt;
  return identity;
}

}  // namespace zarq
