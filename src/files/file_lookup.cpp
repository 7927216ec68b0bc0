#include "files/file_lookup.h"

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
  if (files.listIgnoringCase(folder, name, names) != FileError::None || names.size() != 1) {
    return exact;
  }
  return folder / names[0].filename();
}

FileError FileSystem::listIgnoringCase(const std::filesystem::path& folder, TextView name,
                                       std::vector<std::filesystem::path>& names) {
  std::vector<std::filesystem::path> all;
  if (const FileError error = list(folder, all); error != FileError::None) return error;
  names.clear();
  for (std::filesystem::path& entry : all) {
    if (equalIgnoringCase(fileNameText(entry), name)) names.push_back(std::move(entry));
  }
  return FileError::None;
}

}  // namespace zarq
