#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/folder_lock.h"

namespace zarq {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  // The folder itself carries the lock: no file of the editor's to plant a link in its place.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    handle_ = fd;
    state_ = State::Held;
    return;
  }
  if (errno == EWOULDBLOCK) state_ = State::Taken;
  ::close(fd);
}

FolderLock::~FolderLock() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace zarq
