#include "listing_cache.h"

#include "common/case_fold.h"
#include "common/paths.h"

namespace zarq::tool {
namespace {

Text folded(TextView name) {
  Text text(name);
  for (char16_t& unit : text) unit = foldCase(unit);
  return text;
}

}  // namespace

const ListingCache::Listing& ListingCache::listing(const std::filesystem::path& folder) {
  auto found = listings_.find(folder);
  if (found == listings_.end()) {
    Listing listing;
    listing.error = ForwardingFileSystem::list(folder, listing.names);
    for (std::size_t i = 0; i < listing.names.size(); ++i) {
      listing.byFoldedName.emplace(folded(fileNameText(listing.names[i])), i);
    }
    found = listings_.emplace(folder, std::move(listing)).first;
  }
  return found->second;
}

FileError ListingCache::list(const std::filesystem::path& folder,
                             std::vector<std::filesystem::path>& names) {
  const Listing& found = listing(folder);
  names = found.names;
  return found.error;
}

FileError ListingCache::listIgnoringCase(const std::filesystem::path& folder, TextView name,
                                         std::vector<std::filesystem::path>& names) {
  const Listing& found = listing(folder);
  names.clear();
  const auto [from, to] = found.byFoldedName.equal_range(folded(name));
  for (auto at = from; at != to; ++at) names.push_back(found.names[at->second]);
  return found.error;
}

}  // namespace zarq::tool
