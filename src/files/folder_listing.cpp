#include "files/folder_listing.h"

#include "common/case_fold.h"
#include "common/paths.h"

namespace zarq {
namespace {

Text folded(TextView name) {
  Text text(name);
  for (char16_t& unit : text) unit = foldCase(unit);
  return text;
}

}  // namespace

void FolderListing::take(FileSystem& files, const std::filesystem::path& folder) {
  folded_.clear();
  error_ = files.list(folder, names_);
  if (error_ != FileError::None) names_.clear();
  folded_.reserve(names_.size());
  for (const std::filesystem::path& entry : names_) folded_.push_back(folded(fileNameText(entry)));
}

void FolderListing::matching(TextView name, std::vector<std::filesystem::path>& found) const {
  found.clear();
  const Text wanted = folded(name);
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    if (folded_[i] == wanted) found.push_back(names_[i]);
  }
}

}  // namespace zarq
