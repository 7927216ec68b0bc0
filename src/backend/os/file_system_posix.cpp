#include <acl/libacl.h>
#include <attr/libattr.h>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

#include "backend/os/held_folders.h"
#include "platform/file_system.h"

namespace zarq {
namespace fs = std::filesystem;
namespace {

FileError errorOf(int error) {
  switch (error) {
    case 0:
      return FileError::None;
    case ENOSPC:
    case EDQUOT:
      return FileError::NoSpace;
    case EIO:
      return FileError::Io;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError::Permission;
    case ENAMETOOLONG:
      return FileError::NameTooLong;
    case EEXIST:
      return FileError::Exists;
    case ENOENT:
    case ENOTDIR:
      return FileError::NotFound;
    case ELOOP:
    case EISDIR:
      return FileError::NotRegular;
    default:
      return FileError::Other;
  }
}

FileError lastError() { return errorOf(errno); }

// A path as the system calls take it: a folder's descriptor and a name in it. A path below a
// held folder goes through that folder's descriptor; any other through the current folder.
class At {
 public:
  explicit At(const fs::path& path)
      : located_(heldFolders().locate(path.empty() ? fs::path(".") : path)) {}
  int dir() const { return located_.folder ? static_cast<int>(located_.folder->handle) : AT_FDCWD; }
  const char* name() const { return located_.name.c_str(); }

 private:
  Located located_;
};

// Opens without blocking (a FIFO without a writer would wait forever) and keeps the
// descriptor only for a regular file, which never blocks afterwards.
int openRegular(const fs::path& file, int flags, FileError& error) {
  const At at(file);
  const int fd = ::openat(at.dir(), at.name(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = lastError();
    return -1;
  }
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    error = FileError::NotRegular;
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  error = FileError::None;
  return fd;
}

FileError opened(int fd, FileSystem::Handle& handle) {
  if (fd < 0) return lastError();
  handle = fd;
  return FileError::None;
}

int fdOf(FileSystem::Handle handle) { return static_cast<int>(handle); }

FileStatus statusFrom(const struct stat& s) {
  FileStatus status;
  status.size = static_cast<std::uint64_t>(s.st_size);
  status.kind = S_ISREG(s.st_mode)   ? FileStatus::Kind::Regular
                : S_ISLNK(s.st_mode) ? FileStatus::Kind::Link
                : S_ISDIR(s.st_mode) ? FileStatus::Kind::Folder
                                     : FileStatus::Kind::Other;
  status.device = s.st_dev;
  status.node = s.st_ino;
  status.modifiedNs = std::int64_t{s.st_mtim.tv_sec} * 1'000'000'000 + s.st_mtim.tv_nsec;
  status.links = s.st_nlink;
  return status;
}

// The ACL (its mask after the mode, as the mode would reset it) and the extended attributes
// of `like`, read through a descriptor of its own that no link can redirect, onto `to`. Like
// the owner, they are kept where the system allows it, and silently left where it does not.
void copyAclAndXattrs(const fs::path& like, int to) {
  FileError error = FileError::None;
  const int from = openRegular(like, O_RDONLY | O_NOFOLLOW | O_NOCTTY, error);
  if (from < 0) return;
  if (const acl_t acl = ::acl_get_fd(from)) {
    (void)::acl_set_fd(to, acl);
    ::acl_free(acl);
  }
  // The ACL's own attributes are left to the calls above; the library's default check also
  // skips those its configuration says not to copy.
  (void)::attr_copy_fd(like.c_str(), from, like.c_str(), to, nullptr, nullptr);
  ::close(from);
}

FileError statusAt(const fs::path& path, int flags, FileStatus& status) {
  const At at(path);
  struct stat s;
  status = {};
  if (::fstatat(at.dir(), at.name(), &s, flags) != 0) {
    return errno == ENOENT ? FileError::None : lastError();
  }
  status = statusFrom(s);
  return FileError::None;
}

void closeFolder(std::intptr_t fd) { ::close(static_cast<int>(fd)); }

class PosixFileSystem final : public FileSystem {
 public:
  FileError status(const fs::path& path, FileStatus& status) override {
    return statusAt(path, AT_SYMLINK_NOFOLLOW, status);
  }

  FileError resolvedStatus(const fs::path& path, FileStatus& status) override {
    return statusAt(path, 0, status);
  }

  FileError openForReading(const fs::path& path, Handle& handle) override {
    FileError error;
    const int fd = openRegular(path, O_RDONLY, error);
    if (fd >= 0) handle = fd;
    return error;
  }

  FileError createNew(const fs::path& path, Handle& handle) override {
    // O_EXCL fails on any link at the path, dangling or not.
    const At at(path);
    const FileError error = opened(
        ::openat(at.dir(), at.name(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666),
        handle);
    // Held while the file is written, so that an editor starting in the folder meanwhile does
    // not take it for a dead writer's leftover. A file system without locks holds none.
    if (error == FileError::None) ::flock(fdOf(handle), LOCK_EX | LOCK_NB);
    return error;
  }

  FileError openForUpdate(const fs::path& path, Handle& handle) override {
    FileError error;
    const int fd = openRegular(path, O_RDWR | O_NOFOLLOW, error);
    if (fd >= 0) handle = fd;
    return error;
  }

  FileError read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) override {
    for (;;) {
      const ssize_t n = ::read(fdOf(handle), into.data(), into.size());
      if (n >= 0) {
        got = static_cast<std::size_t>(n);
        return FileError::None;
      }
      if (errno != EINTR) return lastError();
    }
  }

  FileError write(Handle handle, std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fdOf(handle), bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return lastError();
      // A write that takes nothing and says nothing would loop for ever.
      if (n == 0) return FileError::Io;
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return FileError::None;
  }

  FileError findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                     std::uint64_t& dataEnd) override {
    const int fd = fdOf(handle);
    struct stat s;
    if (::fstat(fd, &s) != 0) return lastError();
    const auto size = static_cast<std::uint64_t>(s.st_size);
    off_t data = ::lseek(fd, static_cast<off_t>(from), SEEK_DATA);
    off_t hole = data < 0 ? -1 : ::lseek(fd, data, SEEK_HOLE);
    if (data < 0 && errno == ENXIO) {
      data = hole = static_cast<off_t>(std::max(from, size));
    } else if (data < 0 || hole < 0) {
      // A file system without holes: everything from `from` on is data.
      data = static_cast<off_t>(from);
      hole = static_cast<off_t>(std::max(from, size));
    }
    if (::lseek(fd, data, SEEK_SET) < 0) return lastError();
    dataAt = static_cast<std::uint64_t>(data);
    dataEnd = static_cast<std::uint64_t>(hole);
    return FileError::None;
  }

  FileError growTo(Handle handle, std::uint64_t size) override {
    if (::ftruncate(fdOf(handle), static_cast<off_t>(size)) != 0) return lastError();
    if (::lseek(fdOf(handle), 0, SEEK_END) < 0) return lastError();
    return FileError::None;
  }

  FileError truncate(Handle handle) override {
    if (::ftruncate(fdOf(handle), 0) != 0) return lastError();
    if (::lseek(fdOf(handle), 0, SEEK_SET) != 0) return lastError();
    return FileError::None;
  }

  FileError sync(Handle handle) override {
    return ::fsync(fdOf(handle)) == 0 ? FileError::None : lastError();
  }

  FileError close(Handle handle) override {
    // The descriptor is released even when close reports an error; never close it twice.
    return ::close(fdOf(handle)) == 0 || errno == EINTR ? FileError::None : lastError();
  }

  FileError checkWritable(const fs::path& path) override {
    const At at(path);
    struct stat s;
    if (::fstatat(at.dir(), at.name(), &s, AT_SYMLINK_NOFOLLOW) != 0) return lastError();
    if (!S_ISREG(s.st_mode)) return FileError::NotRegular;
    if ((s.st_mode & S_IWUSR) == 0) return FileError::Permission;
    FileError error;
    const int fd = openRegular(path, O_WRONLY | O_NOFOLLOW, error);
    if (fd >= 0) ::close(fd);
    return error;
  }

  void takeAttributesOf(Handle file, const fs::path& like) override {
    const At at(like);
    struct stat s;
    if (::fstatat(at.dir(), at.name(), &s, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(s.st_mode)) return;
    // Only a privileged process may give a file away; everyone else keeps their own. The
    // mode comes after the owner, whose change clears set-user and set-group bits.
    if (::fchown(fdOf(file), s.st_uid, s.st_gid) != 0) {
      (void)::fchown(fdOf(file), static_cast<uid_t>(-1), s.st_gid);
    }
    (void)::fchmod(fdOf(file), s.st_mode & 07777);
    copyAclAndXattrs(like, fdOf(file));
  }

  FileError replace(const fs::path& from, const fs::path& to) override {
    const At a(from), b(to);
    if (::renameat(a.dir(), a.name(), b.dir(), b.name()) == 0) return FileError::None;
    // A file renamed to a file: FAT, exFAT and NTFS answer so for a name they do not allow.
    return errno == EINVAL ? FileError::InvalidName : lastError();
  }

  FileError renameNew(const fs::path& from, const fs::path& to) override {
    const At a(from), b(to);
    if (::renameat2(a.dir(), a.name(), b.dir(), b.name(), RENAME_NOREPLACE) == 0) {
      return FileError::None;
    }
    if (errno != EINVAL && errno != ENOSYS) return lastError();
    // A file system without the flag: a hard link never replaces either.
    if (::linkat(a.dir(), a.name(), b.dir(), b.name(), 0) != 0) return lastError();
    return ::unlinkat(a.dir(), a.name(), 0) == 0 ? FileError::None : lastError();
  }

  FileError remove(const fs::path& path) override {
    const At at(path);
    return ::unlinkat(at.dir(), at.name(), 0) == 0 ? FileError::None : lastError();
  }

  FileError removeAbandoned(const fs::path& path) override {
    const At at(path);
    const int fd = ::openat(at.dir(), at.name(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return lastError();
    const bool beingWritten = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    const FileError error = beingWritten ? FileError::Exists : remove(path);
    ::close(fd);
    return error;
  }

  FileError syncFolder(const fs::path& folder) override {
    const At at(folder);
    const int fd = ::openat(at.dir(), at.name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    // Some file systems cannot sync a folder at all; their renames are as durable as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const FileError error = synced ? FileError::None : lastError();
    ::close(fd);
    return error;
  }

  FileError createFolders(const fs::path& folder) override {
    const At at(folder);
    fs::path made;
    for (const fs::path& part : fs::path(at.name())) {
      made /= part;
      if (::mkdirat(at.dir(), made.c_str(), 0700) != 0 && errno != EEXIST) return lastError();
    }
    struct stat s;
    if (::fstatat(at.dir(), at.name(), &s, 0) != 0) return lastError();
    return S_ISDIR(s.st_mode) ? FileError::None : FileError::NotRegular;
  }

  FileError list(const fs::path& folder, std::vector<fs::path>& names) override {
    names.clear();
    const At at(folder);
    const int fd = ::openat(at.dir(), at.name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    DIR* entries = ::fdopendir(fd);
    if (entries == nullptr) {
      const FileError error = lastError();
      ::close(fd);
      return error;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(entries)) {
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.emplace_back(name);
    }
    const FileError error = lastError();
    ::closedir(entries);
    return error;
  }

  std::unique_ptr<FolderHold> holdFolder(const fs::path& folder) override {
    // As a place only: files are reached through it in a folder the user may not list too.
    const int fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return heldFolders().hold(folder, fd, closeFolder);
  }

  FileError heldFolderInPlace(const fs::path& folder) override {
    const std::shared_ptr<const HeldFolder> held = heldFolders().heldAt(folder);
    if (!held) return FileError::NotFound;
    struct stat open, named;
    if (::fstat(static_cast<int>(held->handle), &open) != 0) return lastError();
    // A removed folder has no name left; an unmounted one is no longer what its path leads to.
    if (open.st_nlink == 0) return FileError::NotFound;
    if (::stat(held->path.c_str(), &named) != 0) return lastError();
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino ? FileError::None
                                                                      : FileError::NotFound;
  }

  Handle standardOutput() override { return STDOUT_FILENO; }

  bool crLfLineEnds() const override { return false; }
};

}  // namespace

FileHandle openRegularFile(const fs::path& file) {
  FileError error;
  const int fd = openRegular(file, O_RDONLY, error);
  if (fd < 0) return nullptr;
  std::FILE* stream = ::fdopen(fd, "rb");
  if (stream == nullptr) ::close(fd);
  return FileHandle(stream);
}

FileSystem& osFileSystem() {
  static PosixFileSystem system;
  return system;
}

fs::path pathAsKept(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error).lexically_normal();
  fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
  if (error) folder = absolute.parent_path();
  return folder / absolute.filename();
}

fs::path pathAsWritten(const fs::path& path) { return path; }

fs::path userDataFolder() {
  // XDG wants these variables to hold absolute paths; anything else is ignored.
  if (const char* data = ::getenv("XDG_DATA_HOME"); data && data[0] == '/') return data;
  if (const char* home = ::getenv("HOME"); home && home[0] == '/') {
    return fs::path(home) / ".local" / "share";
  }
  // Without HOME (a service, cron, env -i) the account's own home, so that presets replaced
  // there still keep their history.
  std::vector<char> buffer(16384);
  passwd account{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &account, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir && found->pw_dir[0] == '/') {
    return fs::path(found->pw_dir) / ".local" / "share";
  }
  return {};
}

}  // namespace zarq
