#include "listing_cache.h"

namespace zarq::tool {

const FolderListing& ListingCache::listing(const std::filesystem::path& folder) {
  auto found = listings_.find(folder);
  if (found == listings_.end()) {
    found = listings_.try_emplace(folder).first;
    found->second.take(listed_, folder);
  }
  return found->second;
}

FileError ListingCache::list(const std::filesystem::path& folder,
                             std::vector<std::filesystem::path>& names) {
  const FolderListing& found = listing(folder);
  names = found.names();
  return found.error();
}

FileError ListingCache::listIgnoringCase(const std::filesystem::path& folder, TextView name,
                                         std::vector<std::filesystem::path>& names) {
  const FolderListing& found = listing(folder);
  found.matching(name, names);
  return found.error();
}

}  // namespace zarq::tool
