#include "files/file_lookup.h"

#include <optional>
#include <system_error>

#include "common/case_fold.h"
#include "common/paths.h"

namespace zarq {

std::filesystem::path findFile(const std::filesystem::path& folder, TextView name) {
  const std::filesystem::path exact = folder / pathFromText(name);
  std::error_code error;
  if (name.empty() || name.find_first_of(u"/\\") != TextView::npos ||
      std::filesystem::exists(std::filesystem::symlink_status(exact, error))) {
    return exact;
  }
  // On a file system that ignores case the exact name has found it already, and this finds
  // nothing more.
  std::optional<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!equalIgnoringCase(fileNameText(entry.path()), name)) continue;
    if (found) return exact;
    found = entry.path();
  }
  return found.value_or(exact);
}

}  // namespace zarq
