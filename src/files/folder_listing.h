#pragma once
// A folder's entries as listed once, to be found by their names ignoring letter case as
// often as needed.

#include <cstddef>
#include <filesystem>
#include <utility>
#include <vector>

#include "common/text.h"
#include "platform/file_system.h"

namespace zarq {

class FolderListing {
 public:
  // Lists `folder` through `files`, forgetting what was listed before.
  void take(FileSystem& files, const std::filesystem::path& folder);

  // The error of the listing, if it failed (and then nothing is listed).
  FileError error() const { return error_; }
  const std::vector<std::filesystem::path>& names() const { return names_; }
  // The listed names that differ from `name` at most in the case of their letters.
  void matching(TextView name, std::vector<std::filesystem::path>& found) const;

 private:
  FileError error_ = FileError::None;
  std::vector<std::filesystem::path> names_;
  // Each name with its letter case folded, as names are compared, beside its place in
  // `names_`; sorted, so that a lookup in a folder of many thousand files stays short.
  std::vector<std::pair<Text, std::size_t>> folded_;
};

}  // namespace zarq
