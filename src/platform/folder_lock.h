#pragma once
// One editor per folder: two editors working in one folder would each save the form over
// the other's at their close. The lock is the system's own and ends with the process, however
// it ends. It is a hidden file ".zarq-settings.lock" in the folder, made with no need to list
// the folder and removed at the end: on Windows held open without sharing, on Linux under an
// advisory lock, which the folder itself carries too where it can be read.

#include <cstdint>
#include <filesystem>

namespace zarq {

inline constexpr char kFolderLockName[] = ".zarq-settings.lock";

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
  std::intptr_t handle_ = -1;        // the lock file
  std::intptr_t folder_ = -1;        // Linux: the folder, as a place to reach the file from
  std::intptr_t folderHandle_ = -1;  // Linux: the folder opened for reading, also locked
  State state_ = State::Unknown;
};

}  // namespace zarq
