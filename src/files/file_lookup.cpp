#include "files/file_lookup.h"

#include <optional>
#include <vector>

#include "common/case_fold.h"
#include "common/paths.h"

namespace zarq {

std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name) {
  const std::filesystem::path exact = folder / pathFromText(name);
  FileStatus status;
  if (name.empty() || name.find_first_of(u"/\\") != TextView::npos ||
      (files.status(exact, status) == FileError::None &&
       status.kind != FileStatus::Kind::Missing)) {
    return exact;
  }
  // On a file system that ignores case the exact name has found it already, and this finds
  // nothing more.
  std::vector<std::filesystem::path> names;
  if (files.list(folder, names) != FileError::None) return exact;
  std::optional<std::filesystem::path> found;
  for (const std::filesystem::path& entry : names) {
    if (!equalIgnoringCase(fileNameText(entry), name)) continue;
    if (found) return exact;
    found = folder / entry.filename();
  }
  return found.value_or(exact);
}

}  // namespace zarq
