#include "files/file_access.h"

#include <fstream>
#include <system_error>

namespace zarq {

bool fileReadable(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) return false;
  if (std::filesystem::is_directory(status)) return true;
  // Pipes and devices are left alone: opening one could block the editor.
  if (!std::filesystem::is_regular_file(status)) return false;
  return std::ifstream(file, std::ios::binary).is_open();
}

}  // namespace zarq
