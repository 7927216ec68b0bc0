#include "files/set_aside.h"

#include <string>
#include <system_error>

#include "platform/file_system.h"

namespace zarq {

std::optional<std::filesystem::path> setAside(const std::filesystem::path& file) {
  // Enough for years of damaged files; past that something else is wrong.
  constexpr int kMostNames = 1000;
  for (int n = 1; n <= kMostNames; ++n) {
    std::filesystem::path aside = file;
    aside += n == 1 ? std::string(".unreadable") : ".unreadable-" + std::to_string(n);
    if (renameWithoutReplacing(file, aside)) return aside;
    std::error_code error;
    // Only a taken name is worth another try; any other failure repeats itself.
    if (!std::filesystem::exists(std::filesystem::symlink_status(aside, error))) break;
  }
  return std::nullopt;
}

}  // namespace zarq
