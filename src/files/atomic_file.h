#pragma once
// The one way the editor and zarq-preset write and copy files, so that a failure never
// costs a file: the bytes go to a new file with a short random name beside the target,
// created exclusively (never through a link someone planted), every write checked, pushed to
// the disk and closed; only then does it take the target's name, and the folder is pushed to
// the disk too. A crash, a kill, a power cut or a full disk leaves either the old file or
// the new one, and a failure removes the new file and comes back as a reason to show.
//
// Where no file may be created beside the target (a folder the user may not write in) but
// the target itself may be written, or where the target has other names (hard links) that
// are all to see the new content, it is written in place, its old content kept in memory and
// written back if the write fails. A caller that keeps what it replaces elsewhere (a preset's
// history) does so before the first byte changes, so that even a kill in the middle of such
// a write costs nothing.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "platform/file_system.h"

namespace zarq {

// What a write or a copy came to.
struct WriteOutcome {
  FileError error = FileError::None;
  // The failure lies in what was to be written (the source of a copy), not in the target.
  bool inSource = false;
  // Written in place, the target could not be given its old content back after a failure.
  bool restoreFailed = false;
  // What the target held could not be kept elsewhere first (KeepOld), for this reason: a
  // write in place then does not go on; one that replaces the target whole does.
  FileError notKept = FileError::None;
  // The target holds every byte, but its folder could not be pushed to the disk, for this
  // reason: its new name may not survive a power cut. The write is done all the same.
  FileError unflushed = FileError::None;
  explicit operator bool() const { return error == FileError::None; }
};

// Where bytes go while they are made.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual FileError write(std::span<const std::uint8_t> bytes) = 0;
  // `bytes` bytes that read as zeros: a hole where the file system keeps holes.
  virtual FileError hole(std::uint64_t bytes) = 0;
};
// Writes the file's bytes to the sink in as many pieces as it likes. Returns the sink's
// error, or an error of its own to give up (a source that cannot be read).
using ByteProducer = std::function<FileError(ByteSink&)>;

// Keeps the content of the target about to be replaced elsewhere, on the disk: called once
// the target is known to be replaced, before any byte of it changes.
using KeepOld = std::function<FileError()>;

// What may stand at the target already.
enum class Existing {
  Replace,  // a file or a link is replaced; a folder, a pipe or a device is refused
  Keep,     // anything there is kept, and the write fails with Exists
};

// Replaces `target` with the bytes. A replaced file keeps its permissions and, where the
// process may, its owner and group. An existing target this process may not write, or that
// is no regular file or link, is refused as a plain write would be.
WriteOutcome writeFileAtomically(FileSystem& files, const std::filesystem::path& target,
                                 std::span<const std::uint8_t> bytes,
                                 Existing existing = Existing::Replace,
                                 const KeepOld& keepOld = {});
WriteOutcome writeFileAtomically(FileSystem& files, const std::filesystem::path& target,
                                 const ByteProducer& produce, Existing existing = Existing::Replace,
                                 const KeepOld& keepOld = {});

// Makes `folder` and the folders above it that are missing, for this user only, and pushes
// each new one's name to the disk (`unflushed` says why one could not be).
WriteOutcome makeFolders(FileSystem& files, const std::filesystem::path& folder);

// writeFileAtomically, with the folders above `target` made first where missing (for this
// user only).
WriteOutcome writeFileMakingFolders(FileSystem& files, const std::filesystem::path& target,
                                    std::span<const std::uint8_t> bytes);

// Writes the bytes to a new file in `folder`, made with the folders above it when missing,
// under the first of name(1), name(2), ... (at most `names` of them) that nothing has taken;
// `written` is its path.
WriteOutcome writeNewFile(FileSystem& files, const std::filesystem::path& folder,
                          const std::function<std::filesystem::path(int)>& name, int names,
                          std::span<const std::uint8_t> bytes, std::filesystem::path& written);

// Text: line ends as the platform's text files have them (a lone line feed becomes CR LF on
// Windows); Binary: byte for byte.
enum class CopyMode { Text, Binary };

// Set from another thread to stop a copy under way between two blocks: it then fails with
// Stopped, and its new file is removed.
using StopFlag = std::atomic<bool>;

// Copies `from` (a regular file, or a link to one) to `to`, a block at a time. The holes of a
// sparse file stay holes in a binary copy (and in a text copy where line ends stay as they
// are). A file copied onto itself is left as it is.
WriteOutcome copyFileAtomically(FileSystem& files, const std::filesystem::path& from,
                                const std::filesystem::path& to, CopyMode mode,
                                const StopFlag* stop = nullptr,
                                Existing existing = Existing::Replace, const KeepOld& keepOld = {});

// Removes a file its owner keeps no more, and pushes the removal to the disk.
FileError removeFile(FileSystem& files, const std::filesystem::path& file);

// Whether a file name is one this module gives its new files before they take their names.
bool isTemporaryName(const std::filesystem::path& name);
// Removes the files of `folder` with such names: left by a process killed while it wrote. One
// that another process may be writing at `nowNs` (see FileStatus::modifiedNs) stays: one it
// holds locked, or one changed in the last hour. Returns how many were removed.
int removeLeftoverTemporaries(FileSystem& files, const std::filesystem::path& folder,
                              std::int64_t nowNs = systemClockNs());

}  // namespace zarq
