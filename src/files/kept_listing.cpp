#include "files/kept_listing.h"

namespace zarq {
namespace {

// How long after the folder's last change a listing may still miss a change stamped with the
// same time: file systems stamp in steps of up to two seconds (FAT), and a network share's
// clock may run a little behind this one.
constexpr std::int64_t kSettleNs = 2'000'000'000;

bool allThere(FileSystem& files, const std::filesystem::path& folder,
              const std::vector<std::filesystem::path>& names) {
  for (const std::filesystem::path& name : names) {
    FileStatus status;
    if (files.status(folder / name, status) != FileError::None ||
        status.kind == FileStatus::Kind::Missing) {
      return false;
    }
  }
  return true;
}

}  // namespace

FileError KeptListing::matching(FileSystem& files, const std::filesystem::path& folder,
                                TextView name, std::vector<std::filesystem::path>& names) {
  const bool checked = checkedInPass_ && folder == folder_;
  checkedInPass_ = passes_ > 0;
  if (!checked) {
    if (unchanged(files, folder)) {
      listing_.matching(name, names);
      if (allThere(files, folder, names)) return listing_.error();
    }
    take(files, folder);
  }
  listing_.matching(name, names);
  return listing_.error();
}

bool KeptListing::unchanged(FileSystem& files, const std::filesystem::path& folder) const {
  FileStatus now;
  return kept_ && folder == folder_ && files.status(folder, now) == FileError::None &&
         now.sameFileAs(folderStatus_) && now.kind == folderStatus_.kind &&
         now.modifiedNs == folderStatus_.modifiedNs &&
         folderStatus_.modifiedNs < listedAtNs_ - kSettleNs;
}

void KeptListing::take(FileSystem& files, const std::filesystem::path& folder) {
  folder_ = folder;
  listedAtNs_ = systemClockNs();
  const bool statusKnown = files.status(folder, folderStatus_) == FileError::None;
  listing_.take(files, folder);
  kept_ = statusKnown && listing_.error() == FileError::None;
}

}  // namespace zarq
