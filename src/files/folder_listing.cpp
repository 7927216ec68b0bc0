#include "files/folder_listing.h"

#include <algorithm>

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
  for (std::size_t i = 0; i < names_.size(); ++i) {
    folded_.emplace_back(folded(fileNameText(names_[i])), i);
  }
  std::sort(folded_.begin(), folded_.end());
}

void FolderListing::matching(TextView name, std::vector<std::filesystem::path>& found) const {
  found.clear();
  const Text wanted = folded(name);
  // Equal folded names sort by their places, so they are found in the listing's order.
  auto entry =
      std::lower_bound(folded_.begin(), folded_.end(), wanted,
                       [](const auto& listed, const Text& text) { return listed.first < text; });
  for (; entry != folded_.end() && entry->first == wanted; ++entry) {
    found.push_back(names_[entry->second]);
  }
}

}  // namespace zarq
