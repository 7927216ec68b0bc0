#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

namespace zarq {
namespace fs = std::filesystem;
namespace {

// Opens without blocking (a FIFO without a writer would wait forever) and keeps the
// descriptor only for a regular file, which never blocks afterwards.
int openRegular(const fs::path& file, int flags) {
  const int fd = ::open(file.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

FileHandle streamOf(int fd, const char* mode) {
  if (fd < 0) return nullptr;
  std::FILE* stream = ::fdopen(fd, mode);
  if (stream == nullptr) ::close(fd);
  return FileHandle(stream);
}

void syncFolderOf(const fs::path& file) {
  fs::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileHandle openRegularFile(const fs::path& file) {
  return streamOf(openRegular(file, O_RDONLY), "rb");
}

bool writableRegularFile(const fs::path& file) {
  const int fd = openRegular(file, O_WRONLY);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

FileHandle createNewFile(const fs::path& file) {
  return streamOf(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666), "wb");
}

FileHandle overwriteRegularFile(const fs::path& file) {
  const int fd = openRegular(file, O_WRONLY);
  if (fd >= 0 && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return nullptr;
  }
  return streamOf(fd, "wb");
}

bool flushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

void takeOwnerOf(const fs::path& file, const fs::path& like) {
  struct stat status;
  if (::stat(like.c_str(), &status) != 0) return;
  // Only a privileged process may give a file away; everyone else keeps their own.
  if (::chown(file.c_str(), status.st_uid, status.st_gid) != 0) {
    (void)::chown(file.c_str(), static_cast<uid_t>(-1), status.st_gid);
  }
}

bool replaceDurably(const fs::path& from, const fs::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  syncFolderOf(to);
  return true;
}

bool renameWithoutReplacing(const fs::path& from, const fs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    syncFolderOf(to);
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the flag: a hard link never replaces either.
  if (::link(from.c_str(), to.c_str()) != 0 || ::unlink(from.c_str()) != 0) return false;
  syncFolderOf(to);
  return true;
}

}  // namespace zarq
