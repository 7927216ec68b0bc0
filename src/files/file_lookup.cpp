#include "files/file_lookup.h"

#include <functional>
#include <vector>

#include "common/case_fold.h"
#include "common/paths.h"

namespace zarq {

namespace {

// `listIgnoringCase` gives the entries of the folder that differ from the name only in case.
using ListIgnoringCase = std::function<FileError(std::vector<std::filesystem::path>&)>;

std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name, const ListIgnoringCase& listIgnoringCase) {
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
  if (listIgnoringCase(names) != FileError::None || names.size() != 1) return exact;
  return folder / names[0].filename();
}

}  // namespace

std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name) {
  return findFile(files, folder, name, [&](std::vector<std::filesystem::path>& names) {
    return files.listIgnoringCase(folder, name, names);
  });
}

std::filesystem::path findFile(FileSystem& files, const std::filesystem::path& folder,
                               TextView name, KeptListing& kept) {
  if (files.keepsListings()) return findFile(files, folder, name);
  return findFile(files, folder, name, [&](std::vector<std::filesystem::path>& names) {
    return kept.matching(files, folder, name, names);
  });
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
