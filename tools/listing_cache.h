#pragma once
// The system's file system, each folder listed once: a form looks a missing file up by
// listing its folder, and a form built for each of a thousand presets in one folder would
// list it a thousand times. zarq-preset writes nothing into the folders it reads until its
// work is done, and anything written through here forgets every listing.

#include <filesystem>
#include <map>
#include <vector>

#include "files/folder_listing.h"
#include "platform/forwarding_file_system.h"

namespace zarq::tool {

class ListingCache final : public ForwardingFileSystem {
 public:
  explicit ListingCache(FileSystem& files) : ForwardingFileSystem(files), listed_(files) {}

  FileError list(const std::filesystem::path& folder,
                 std::vector<std::filesystem::path>& names) override;
  FileError listIgnoringCase(const std::filesystem::path& folder, TextView name,
                             std::vector<std::filesystem::path>& names) override;
  bool keepsListings() const override { return true; }

 private:
  // The listing of `folder`, made now if it is not there.
  const FolderListing& listing(const std::filesystem::path& folder);
  void changing() override { listings_.clear(); }

  FileSystem& listed_;
  std::map<std::filesystem::path, FolderListing> listings_;
};

}  // namespace zarq::tool
