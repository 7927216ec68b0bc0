#include "files/file_access.h"

#include <system_error>

#include "platform/file_system.h"

namespace zarq {

bool fileReadable(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) return false;
  if (std::filesystem::is_directory(status)) return true;
  // Pipes and devices are refused unopened: opening one for real could block the editor.
  return openRegularFile(file) != nullptr;
}

}  // namespace zarq
