#pragma once
// The file system as the editor and zarq-preset use it. Every write and copy goes through
// files/atomic_file over this interface, one call per system call, each checked; backend/os
// implements it for POSIX and for Windows, and tests put a file system in its place that
// fails a chosen call. Reading a preset or a chart that is not being copied may still use
// openRegularFile below.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "common/text.h"

namespace zarq {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for reading, through the held folder it lies in if any (see
// FileSystem::holdFolder). A pipe, a folder or a device is refused at once: opening one for
// real could block the editor or feed it endless bytes.
FileHandle openRegularFile(const std::filesystem::path& file);

// Why a file operation failed, in the words the messages use.
enum class FileError {
  None,
  NoSpace,      // the disk or the user's quota is full
  Io,           // the device reported an error
  Permission,   // not allowed, or a read-only file system
  NameTooLong,  // the name or the path is too long for the file system
  Exists,       // something is already there
  NotFound,     // the file or a folder of its path is missing
  InvalidName,  // the name holds what the file system allows in no name
  NotRegular,   // a folder, a pipe, a device or a link where a file is wanted
  Stopped,      // stopped on request before it was done
  Other,
};

// Now, on the clock FileStatus::modifiedNs counts on.
inline std::int64_t systemClockNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

struct FileStatus {
  enum class Kind { Missing, Regular, Link, Folder, Other } kind = Kind::Missing;
  std::uint64_t size = 0;
  // Which file it is: another file, or the same name made anew, differs in one of the two.
  std::uint64_t device = 0, node = 0;
  std::int64_t modifiedNs = 0;  // the last change of its content, in ns of the system's clock
  std::uint64_t links = 0;      // the names it has in its file system
  bool sameFileAs(const FileStatus& other) const {
    return kind != Kind::Missing && device == other.device && node == other.node;
  }
};

// A folder held open by FileSystem::holdFolder, until this object is gone.
class FolderHold {
 public:
  virtual ~FolderHold() = default;
};

class FileSystem {
 public:
  // An open file. Every handle a call hands out is closed with `close`, on every path.
  using Handle = std::intptr_t;

  virtual ~FileSystem() = default;
  // What is at `path` itself: a link counts as a link. Missing is no error.
  virtual FileError status(const std::filesystem::path& path, FileStatus& status) = 0;
  // What `path` leads to through links: a dangling link is Missing.
  virtual FileError resolvedStatus(const std::filesystem::path& path, FileStatus& status) = 0;
  // Opens a regular file for reading, through links (a chart the user linked is his chart).
  // A pipe, a folder or a device is refused without being waited on.
  virtual FileError openForReading(const std::filesystem::path& path, Handle& handle) = 0;
  // Creates `path` for writing; Exists when anything is there, a link or a dangling link
  // included, so that a planted link never leads the write elsewhere.
  virtual FileError createNew(const std::filesystem::path& path, Handle& handle) = 0;
  // Opens the existing regular file `path` (never through a link) to read and rewrite it.
  virtual FileError openForUpdate(const std::filesystem::path& path, Handle& handle) = 0;
  // Reads up to `into.size()` bytes; `got` is 0 at the end of the file.
  virtual FileError read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) = 0;
  // Writes every byte or fails.
  virtual FileError write(Handle handle, std::span<const std::uint8_t> bytes) = 0;
  // The next run of data at or after `from`, [dataAt, dataEnd), with the read position moved
  // to dataAt; what lies before it is a hole that reads as zeros. Both are the file's size
  // when only a hole or nothing follows. A file system that keeps no holes gives
  // [from, size).
  virtual FileError findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                             std::uint64_t& dataEnd) = 0;
  // Makes the file `size` bytes long, what it grows by a hole where the file system keeps
  // holes; writing goes on at its end.
  virtual FileError growTo(Handle handle, std::uint64_t size) = 0;
  // Empties the file; what is written next starts at its beginning.
  virtual FileError truncate(Handle handle) = 0;
  // Puts what was written on the disk itself.
  virtual FileError sync(Handle handle) = 0;
  // The handle is gone afterwards whatever the result; an error means written bytes may not
  // have reached the file.
  virtual FileError close(Handle handle) = 0;
  // Permission unless `path` is a regular file this process may write and that is not marked
  // read-only (a mark that stops even an administrator); NotRegular for anything else.
  virtual FileError checkWritable(const std::filesystem::path& path) = 0;
  // Gives the open `file` what `like` carries besides its bytes: the permissions, its access
  // list and extended attributes (alternate data streams on Windows) and, where this process
  // may, its owner and group; quietly keeps its own otherwise. Set through the handle, never by
  // name: in a folder others may write in, a name can be swapped for a link meanwhile.
  virtual void takeAttributesOf(Handle file, const std::filesystem::path& like) = 0;
  // Renames `from` over `to`, replacing a file or a link there (never what a link points to).
  virtual FileError replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Renames `from` to `to` only when nothing is at `to` (Exists otherwise).
  virtual FileError renameNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) = 0;
  virtual FileError remove(const std::filesystem::path& path) = 0;
  // Removes a new file whose writer has gone (killed while it wrote); Exists, and the file
  // stays, while a process still writes it as createNew made it. Where the system keeps a file
  // being written from removal by itself, as Windows does, a removal is enough.
  virtual FileError removeAbandoned(const std::filesystem::path& path) { return remove(path); }
  // Makes the renames and removals made in `folder` durable.
  virtual FileError syncFolder(const std::filesystem::path& folder) = 0;
  // Creates `folder` and the folders above it that are missing, for this user only.
  virtual FileError createFolders(const std::filesystem::path& folder) = 0;
  // The names of the entries of `folder`.
  virtual FileError list(const std::filesystem::path& folder,
                         std::vector<std::filesystem::path>& names) = 0;
  // Opens the absolute `folder` and, while the hold lives, reaches every path below it
  // through the open folder, never through its path again: a folder renamed, replaced or
  // unmounted meanwhile is not written through the path it had. Null when it cannot be
  // opened.
  virtual std::unique_ptr<FolderHold> holdFolder(const std::filesystem::path& folder) = 0;
  // None while the folder held as `folder` is still the one at that path; NotFound once it
  // was removed, unmounted, renamed away or replaced, or when it is not held.
  virtual FileError heldFolderInPlace(const std::filesystem::path& folder) = 0;
  // The names of the entries of `folder` that differ from `name` at most in the case of
  // their letters. By default picked from a listing of the folder (files/file_lookup.cpp);
  // a file system that keeps its listings may know them at once.
  virtual FileError listIgnoringCase(const std::filesystem::path& folder, TextView name,
                                     std::vector<std::filesystem::path>& names);
  // Whether listIgnoringCase answers from listings kept here, so that a caller keeping its
  // own would only list again what is known.
  virtual bool keepsListings() const { return false; }
  // The process's standard output, to write to; never closed.
  virtual Handle standardOutput() = 0;
  // Whether text files end their lines with CR LF (Windows) rather than LF.
  virtual bool crLfLineEnds() const = 0;
};

// The system's own file system.
FileSystem& osFileSystem();

// The absolute path by which to tell one file from another: links to its folder resolved
// and, on Windows, each name spelled as the file system keeps it, whatever case it was
// given in and without the trailing dots and blanks Windows drops.
std::filesystem::path pathAsKept(const std::filesystem::path& path);

// `path` as a user writes it: on Windows without the "\\?\" that lifts the length limit
// ("\\?\C:\x" as "C:\x", "\\?\UNC\host\x" as "\\host\x"), which the standard library takes
// for a relative path, nor the "\\.\" before a drive or UNC ("\\.\C:\x" as "C:\x").
// Elsewhere `path` itself.
std::filesystem::path pathAsWritten(const std::filesystem::path& path);

// Where a program keeps files of its own for this user: $XDG_DATA_HOME or ~/.local/share on
// Linux, the local application data folder on Windows. Empty when there is none.
std::filesystem::path userDataFolder();

}  // namespace zarq
