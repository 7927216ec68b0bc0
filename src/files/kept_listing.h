#pragma once
// The listing of the editor's folder, kept from one key to the next: a name is found ignoring
// case among the folder's entries, and a folder of 100,000 files takes tens of milliseconds
// to list. It is listed again whenever it may have changed since: its status differs (adding,
// removing or renaming an entry changes the folder's modification time), that time lay within
// a moment of the listing (times are stamped in steps, and a second change within the step of
// the first leaves the time as it was), or an entry found in it is gone. Neither the folder's
// watch nor its poll is waited for: they tell of a change only after it happened.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/text.h"
#include "files/folder_listing.h"
#include "platform/file_system.h"

namespace zarq {

class KeptListing {
 public:
  // While one lives, the listing checked or made by the first lookup serves every lookup
  // after it unchecked: the lookups of one validation see the folder as it was when it began.
  class Pass {
   public:
    explicit Pass(KeptListing& kept) : kept_(kept) { ++kept_.passes_; }
    ~Pass() {
      if (--kept_.passes_ == 0) kept_.checkedInPass_ = false;
    }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

   private:
    KeptListing& kept_;
  };

  // The entries of `folder` whose names differ from `name` at most in letter case, as a
  // listing of it now would give them.
  FileError matching(FileSystem& files, const std::filesystem::path& folder, TextView name,
                     std::vector<std::filesystem::path>& names);

 private:
  // Whether the folder is unchanged since it was listed, as far as its status tells.
  bool unchanged(FileSystem& files, const std::filesystem::path& folder) const;
  void take(FileSystem& files, const std::filesystem::path& folder);

  std::filesystem::path folder_;
  bool kept_ = false;        // whether listing_ is folder_'s, safe to keep
  FileStatus folderStatus_;  // the folder's, taken before it was listed
  std::int64_t listedAtNs_ = 0;
  int passes_ = 0;
  bool checkedInPass_ = false;
  FolderListing listing_;
};

}  // namespace zarq
