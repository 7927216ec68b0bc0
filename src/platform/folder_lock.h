#pragma once
// One editor per folder: two editors working in one folder would each save the form over
// the other's at their close. The lock is the system's own and ends with the process, however
// it ends. On Linux it is an advisory lock on the folder itself (nothing is left in it); on
// Windows a hidden file ".zarq-settings.lock", held open without sharing and removed by the
// system when its handle closes.

#include <cstdint>
#include <filesystem>

namespace zarq {

class FolderLock {
 public:
  enum class State {
    Held,     // this process works in the folder
    Taken,    // another editor works in it
    Unknown,  // the folder cannot be locked (a file system without locks): nothing is held
  };

  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  State state() const { return state_; }

 private:
  std::intptr_t handle_ = -1;
  State state_ = State::Unknown;
};

}  // namespace zarq
