#pragma once
// The system's file system, each folder listed once: a form looks a missing file up by
// listing its folder, and a form built for each of a thousand presets in one folder would
// list it a thousand times. zarq-preset writes nothing into the folders it reads until its
// work is done, and anything written through here forgets every listing.

#include <filesystem>
#include <map>
#include <vector>

#include "platform/forwarding_file_system.h"

namespace zarq::tool {

class ListingCache final : public ForwardingFileSystem {
 public:
  explicit ListingCache(FileSystem& files) : ForwardingFileSystem(files) {}

  FileError list(const std::filesystem::path& folder,
                 std::vector<std::filesystem::path>& names) override;
  FileError listIgnoringCase(const std::filesystem::path& folder, TextView name,
                             std::vector<std::filesystem::path>& names) override;

 private:
  // A folder's entries, and the same by their names with letter case folded.
  struct Listing {
    FileError error = FileError::None;
    std::vector<std::filesystem::path> names;
    std::multimap<Text, std::size_t> byFoldedName;
  };
  // The listing of `folder`, made now if it is not there.
  const Listing& listing(const std::filesystem::path& folder);
  void changing() override { listings_.clear(); }

  std::map<std::filesystem::path, Listing> listings_;
};

}  // namespace zarq::tool
