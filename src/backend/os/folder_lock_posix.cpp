#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/folder_lock.h"

namespace zarq {
namespace {

// Enough for the holders before this one to end while it opens the file, each removing it.
constexpr int kLockFileTries = 8;

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Locks `fd` at once; Taken when another process holds it.
FolderLock::State lockAtOnce(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FolderLock::State::Held;
  return errno == EWOULDBLOCK ? FolderLock::State::Taken : FolderLock::State::Unknown;
}

// The lock file in `folder`, a hidden file reached through the folder's handle, which needs no
// right to list the folder. Its holder removes it at the end, so the lock counts only on the
// file the name still leads to once it is locked. Never a link or a pipe planted under the
// name.
int lockFile(int folder, FolderLock::State& state) {
  for (int i = 0; i < kLockFileTries; ++i) {
    const int fd = ::openat(folder, kFolderLockName,
                            O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    struct stat open, named;
    if (::fstat(fd, &open) != 0 || !S_ISREG(open.st_mode)) {
      ::close(fd);
      return -1;
    }
    state = lockAtOnce(fd);
    if (state == FolderLock::State::Held &&
        ::fstatat(folder, kFolderLockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameFile(open, named)) {
      return fd;
    }
    ::close(fd);
    if (state != FolderLock::State::Held) return -1;
    state = FolderLock::State::Unknown;
  }
  return -1;
}

// Removes the lock file while it is still locked, and only while the name leads to it.
void removeLockFile(int folder, int fd) {
  struct stat open, named;
  if (::fstat(fd, &open) == 0 &&
      ::fstatat(folder, kFolderLockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
      sameFile(open, named)) {
    ::unlinkat(folder, kFolderLockName, 0);
  }
  ::close(fd);
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
  // Opened as a place only: a folder the user may write in but not list is locked too.
  const int at = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (at < 0) return;
  State fileState = State::Unknown;
  const int file = lockFile(at, fileState);
  // The folder itself, where it can be read, keeps out an editor that cannot make the file
  // (a read-only folder) or another user's that cannot open it.
  State folderState = State::Unknown;
  const int listed = ::openat(at, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed >= 0) folderState = lockAtOnce(listed);
  if (fileState == State::Taken || folderState == State::Taken) {
    state_ = State::Taken;
  } else if (fileState == State::Held || folderState == State::Held) {
    state_ = State::Held;
  }
  if (state_ == State::Held) {
    folder_ = at;
    handle_ = file;
    folderHandle_ = listed;
    return;
  }
  if (file >= 0) removeLockFile(at, file);
  if (listed >= 0) ::close(listed);
  ::close(at);
}

FolderLock::~FolderLock() {
  if (handle_ >= 0) removeLockFile(static_cast<int>(folder_), static_cast<int>(handle_));
  if (folderHandle_ >= 0) ::close(static_cast<int>(folderHandle_));
  if (folder_ >= 0) ::close(static_cast<int>(folder_));
}

}  // namespace zarq
