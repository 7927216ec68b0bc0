#include "files/atomic_file.h"

#include <algorithm>
#include <random>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <vector>

namespace zarq {
namespace fs = std::filesystem;
namespace {

// ".zarq-" + 8 random letters or digits + ".tmp": short whatever the target's name, so that
// a target whose name is near the file system's limit is still written beside itself.
constexpr std::string_view kTemporaryPrefix = ".zarq-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandom = 8;
constexpr std::string_view kTemporaryAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kTemporaryAttempts = 16;
// A target written in place keeps its old content in memory meanwhile; one larger than this
// is refused rather than risked.
constexpr std::uint64_t kMostRestorable = std::uint64_t{64} << 20;
constexpr std::size_t kBlockSize = std::size_t{1} << 16;
// A writer holds no lock the clean-up sees while it gives its file its name, nor at all from
// another machine of a shared folder (locks there are often only the machine's own): a
// temporary file changed this recently may still be on its way to its name.
constexpr std::int64_t kAbandonedAfterNs = std::int64_t{3600} * 1'000'000'000;

using Handle = FileSystem::Handle;

fs::path randomTemporaryName() {
  std::random_device random;
  std::string name(kTemporaryPrefix);
  for (std::size_t i = 0; i < kTemporaryRandom; ++i) {
    name += kTemporaryAlphabet[random() % kTemporaryAlphabet.size()];
  }
  name += kTemporarySuffix;
  return name;
}

// Creates a file that did not exist beside the target; another name is tried only when one
// is taken.
FileError createTemporary(FileSystem& files, const fs::path& folder, fs::path& temporary,
                          Handle& handle) {
  FileError error = FileError::Exists;
  for (int attempt = 0; attempt < kTemporaryAttempts && error == FileError::Exists; ++attempt) {
    temporary = folder / randomTemporaryName();
    error = files.createNew(temporary, handle);
  }
  return error;
}

// Writes to an open file, remembering the first failure and how much was written.
class HandleSink final : public ByteSink {
 public:
  HandleSink(FileSystem& files, Handle handle) : files_(files), handle_(handle) {}
  FileError write(std::span<const std::uint8_t> bytes) override {
    if (error_ == FileError::None) error_ = files_.write(handle_, bytes);
    if (error_ == FileError::None) written_ += bytes.size();
    return error_;
  }
  FileError hole(std::uint64_t bytes) override {
    if (error_ == FileError::None) error_ = files_.growTo(handle_, written_ + bytes);
    if (error_ == FileError::None) written_ += bytes;
    return error_;
  }
  FileError error() const { return error_; }
  std::uint64_t written() const { return written_; }

 private:
  FileSystem& files_;
  Handle handle_;
  FileError error_ = FileError::None;
  std::uint64_t written_ = 0;
};

// A failure of the sink is the target's; any other failure of the producer is its own.
WriteOutcome produceInto(HandleSink& sink, const ByteProducer& produce) {
  const FileError produced = produce(sink);
  if (sink.error() != FileError::None) return {sink.error()};
  return {produced, produced != FileError::None};
}

// Fills the new file, gives it what the file it replaces has (an empty `like` for none),
// pushes it to the disk, closes it, and checks that it holds every byte.
WriteOutcome fillTemporary(FileSystem& files, Handle handle, const fs::path& temporary,
                           const fs::path& like, const ByteProducer& produce) {
  HandleSink sink(files, handle);
  WriteOutcome outcome = produceInto(sink, produce);
  if (outcome && !like.empty()) files.takeAttributesOf(handle, like);
  if (outcome) outcome.error = files.sync(handle);
  const FileError closed = files.close(handle);
  if (outcome) outcome.error = closed;
  FileStatus written;
  if (outcome) outcome.error = files.status(temporary, written);
  if (outcome && (written.kind != FileStatus::Kind::Regular || written.size != sink.written())) {
    outcome.error = FileError::Io;
  }
  return outcome;
}

FileError readAll(FileSystem& files, Handle handle, std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> block(kBlockSize);
  for (;;) {
    std::size_t got = 0;
    if (const FileError error = files.read(handle, block, got); error != FileError::None) {
      return error;
    }
    if (got == 0) return FileError::None;
    if (bytes.size() + got > kMostRestorable) return FileError::Permission;
    bytes.insert(bytes.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
  }
}

bool restore(FileSystem& files, Handle handle, const std::vector<std::uint8_t>& old) {
  return files.truncate(handle) == FileError::None && files.write(handle, old) == FileError::None &&
         files.sync(handle) == FileError::None;
}

// The one write that cannot be atomic: no new file may be made in the folder. The old
// content is read first and written back should anything fail.
WriteOutcome writeInPlace(FileSystem& files, const fs::path& target, std::uint64_t size,
                          const ByteProducer& produce, const KeepOld& keepOld) {
  if (size > kMostRestorable) return {FileError::Permission};
  if (const FileError notKept = keepOld ? keepOld() : FileError::None; notKept != FileError::None) {
    WriteOutcome refused{notKept};
    refused.notKept = notKept;
    return refused;
  }
  Handle handle = 0;
  if (const FileError error = files.openForUpdate(target, handle); error != FileError::None) {
    return {error};
  }
  std::vector<std::uint8_t> old;
  WriteOutcome outcome{readAll(files, handle, old)};
  const bool touched = static_cast<bool>(outcome);
  if (outcome) outcome.error = files.truncate(handle);
  if (outcome) {
    HandleSink sink(files, handle);
    outcome = produceInto(sink, produce);
  }
  if (outcome) outcome.error = files.sync(handle);
  if (!outcome && touched) outcome.restoreFailed = !restore(files, handle, old);
  const FileError closed = files.close(handle);
  if (closed != FileError::None && touched) {
    // Neither the new bytes nor the old ones are known to have reached the file.
    if (outcome) outcome.error = closed;
    outcome.restoreFailed = true;
  }
  return outcome;
}

// writeInPlace with the bytes of `from`, a file already complete.
WriteOutcome writeInPlaceFrom(FileSystem& files, const fs::path& from, const fs::path& target,
                              std::uint64_t size, const KeepOld& keepOld) {
  Handle source = 0;
  if (const FileError error = files.openForReading(from, source); error != FileError::None) {
    return {error};
  }
  std::vector<std::uint8_t> block(kBlockSize);
  const WriteOutcome outcome = writeInPlace(
      files, target, size,
      [&](ByteSink& sink) {
        for (;;) {
          std::size_t got = 0;
          if (const FileError error = files.read(source, block, got); error != FileError::None) {
            return error;
          }
          if (got == 0) return FileError::None;
          if (const FileError error = sink.write({block.data(), got}); error != FileError::None) {
            return error;
          }
        }
      },
      keepOld);
  files.close(source);
  return outcome;
}

// A lone line feed becomes CR LF, as a Windows program's text mode writes it; a carriage
// return at the end of one block still counts for a line feed at the start of the next.
class CrLfLines {
 public:
  std::span<const std::uint8_t> convert(std::span<const std::uint8_t> in) {
    out_.clear();
    for (const std::uint8_t byte : in) {
      if (byte == '\n' && !afterCr_) out_.push_back('\r');
      out_.push_back(byte);
      afterCr_ = byte == '\r';
    }
    return out_;
  }

 private:
  std::vector<std::uint8_t> out_;
  bool afterCr_ = false;
};

}  // namespace

WriteOutcome writeFileAtomically(FileSystem& files, const fs::path& target,
                                 const ByteProducer& produce, Existing existing,
                                 const KeepOld& keepOld) {
  FileStatus old;
  if (const FileError error = files.status(target, old); error != FileError::None) return {error};
  if (old.kind != FileStatus::Kind::Missing && existing == Existing::Keep) {
    return {FileError::Exists};
  }
  if (old.kind == FileStatus::Kind::Folder || old.kind == FileStatus::Kind::Other) {
    return {FileError::NotRegular};
  }
  const bool replacing = old.kind == FileStatus::Kind::Regular;
  if (replacing) {
    if (const FileError error = files.checkWritable(target); error != FileError::None) {
      return {error};
    }
  }

  // A file of several names is written in place, so that every name sees the new content;
  // one too large to be restored is replaced, which keeps the others' old content.
  if (replacing && old.links > 1 && old.size <= kMostRestorable) {
    return writeInPlace(files, target, old.size, produce, keepOld);
  }
  const fs::path folder = target.parent_path();
  fs::path temporary;
  Handle handle = 0;
  const FileError created = createTemporary(files, folder, temporary, handle);
  if (created == FileError::Permission && replacing) {
    return writeInPlace(files, target, old.size, produce, keepOld);
  }
  if (created != FileError::None) return {created};

  WriteOutcome outcome =
      fillTemporary(files, handle, temporary, replacing ? target : fs::path(), produce);
  if (outcome && replacing && keepOld) outcome.notKept = keepOld();
  bool renameRefused = false;
  if (outcome) {
    outcome.error = existing == Existing::Replace ? files.replace(temporary, target)
                                                  : files.renameNew(temporary, target);
    renameRefused = outcome.error == FileError::Permission && replacing;
  }
  if (renameRefused) {
    // A sticky folder (as /tmp) takes new files but lets no one rename over another user's:
    // a target the user may write is then written in place, from the finished new file. Its
    // old content went to the history above; how that went stands for the in-place write's.
    const FileError kept = outcome.notKept;
    outcome = writeInPlaceFrom(files, temporary, target, old.size, [kept] { return kept; });
  }
  if (!outcome || renameRefused) {
    files.remove(temporary);
    return outcome;
  }
  // The target is the new file by now: a folder that cannot be pushed to the disk is no
  // failure to write, but still told, as its new name may not survive a power cut.
  outcome.unflushed = files.syncFolder(folder);
  return outcome;
}

WriteOutcome writeFileAtomically(FileSystem& files, const fs::path& target,
                                 std::span<const std::uint8_t> bytes, Existing existing,
                                 const KeepOld& keepOld) {
  return writeFileAtomically(
      files, target, [&](ByteSink& sink) { return sink.write(bytes); }, existing, keepOld);
}

WriteOutcome makeFolders(FileSystem& files, const fs::path& folder) {
  // The folders that are missing, from the lowest up.
  std::vector<fs::path> missing;
  for (fs::path above = folder; !above.empty(); above = above.parent_path()) {
    FileStatus status;
    // Below a file the system says "missing": the file further up is the reason.
    if (const FileError error = files.status(above, status);
        error != FileError::None && error != FileError::NotFound) {
      return {error};
    }
    if (status.kind == FileStatus::Kind::Folder) break;
    if (status.kind != FileStatus::Kind::Missing) return {FileError::Exists};
    missing.push_back(above);
    if (above == above.parent_path()) break;
  }
  WriteOutcome made;
  if (missing.empty()) return made;
  if (const FileError error = files.createFolders(folder); error != FileError::None) {
    return {error};
  }
  // Each new name is on the disk too, or a file written below may not be found after a
  // power cut.
  for (const fs::path& one : missing) {
    if (const FileError error = files.syncFolder(one.parent_path()); error != FileError::None) {
      made.unflushed = error;
    }
  }
  return made;
}

namespace {

// A write below new folders is no more sure to survive a power cut than they are.
WriteOutcome below(const WriteOutcome& folders, WriteOutcome written) {
  if (written && written.unflushed == FileError::None) written.unflushed = folders.unflushed;
  return written;
}

}  // namespace

WriteOutcome writeFileMakingFolders(FileSystem& files, const fs::path& target,
                                    std::span<const std::uint8_t> bytes) {
  const WriteOutcome folders = makeFolders(files, target.parent_path());
  if (!folders) return folders;
  return below(folders, writeFileAtomically(files, target, bytes));
}

WriteOutcome writeNewFile(FileSystem& files, const fs::path& folder,
                          const std::function<fs::path(int)>& name, int names,
                          std::span<const std::uint8_t> bytes, fs::path& written) {
  const WriteOutcome folders = makeFolders(files, folder);
  if (!folders) return folders;
  WriteOutcome outcome{FileError::Exists};
  for (int n = 1; n <= names && outcome.error == FileError::Exists; ++n) {
    written = folder / name(n);
    outcome = writeFileAtomically(files, written, bytes, Existing::Keep);
  }
  return below(folders, outcome);
}

WriteOutcome copyFileAtomically(FileSystem& files, const fs::path& from, const fs::path& to,
                                CopyMode mode, const StopFlag* stop, Existing existing,
                                const KeepOld& keepOld) {
  // A file copied onto itself (a chart folder that is the editor's own) is left as it is.
  FileStatus original, copy;
  if (files.resolvedStatus(from, original) == FileError::None &&
      files.status(to, copy) == FileError::None && original.sameFileAs(copy)) {
    return {};
  }
  Handle source = 0;
  if (const FileError error = files.openForReading(from, source); error != FileError::None) {
    return {error, true};
  }
  const bool crLf = mode == CopyMode::Text && files.crLfLineEnds();
  CrLfLines lines;
  std::vector<std::uint8_t> block(kBlockSize);
  bool sourceOpen = true;
  const WriteOutcome outcome = writeFileAtomically(
      files, to,
      [&](ByteSink& sink) {
        // Run of data by run of data, the holes between them kept; a text copy that changes line
        // ends would shift them, and is read straight through.
        std::uint64_t at = 0;
        std::uint64_t dataEnd = crLf ? UINT64_MAX : 0;
        for (;;) {
          if (stop && *stop) return FileError::Stopped;
          bool atEnd = false;
          if (at == dataEnd) {
            std::uint64_t dataAt = 0;
            if (const FileError error = files.findData(source, at, dataAt, dataEnd);
                error != FileError::None) {
              return error;
            }
            if (dataAt > at) {
              if (const FileError error = sink.hole(dataAt - at); error != FileError::None) {
                return error;
              }
              at = dataAt;
            }
            atEnd = at == dataEnd;
          }
          std::size_t got = 0;
          if (!atEnd) {
            const std::uint64_t wanted = std::min<std::uint64_t>(kBlockSize, dataEnd - at);
            if (const FileError error =
                    files.read(source, {block.data(), static_cast<std::size_t>(wanted)}, got);
                error != FileError::None) {
              return error;
            }
          }
          if (got == 0) {
            // Closed before the copy takes its name, as Windows may refuse to replace a file
            // that is still open. Everything was read: a failed close changes nothing written.
            files.close(source);
            sourceOpen = false;
            return FileError::None;
          }
          const std::span<const std::uint8_t> bytes(block.data(), got);
          if (const FileError error = sink.write(crLf ? lines.convert(bytes) : bytes);
              error != FileError::None) {
            return error;
          }
          at += got;
        }
      },
      existing, keepOld);
  if (sourceOpen) files.close(source);
  return outcome;
}

FileError removeFile(FileSystem& files, const fs::path& file) {
  if (const FileError error = files.remove(file); error != FileError::None) return error;
  return files.syncFolder(file.parent_path());
}

bool isTemporaryName(const fs::path& name) {
  const auto& text = name.native();
  if (text.size() != kTemporaryPrefix.size() + kTemporaryRandom + kTemporarySuffix.size()) {
    return false;
  }
  // Unsigned, so that a byte of a non-ASCII name (a char of its own sign on Linux) or a
  // UTF-16 unit compares as the code it is.
  using Unit = std::make_unsigned_t<fs::path::value_type>;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Unit unit = static_cast<Unit>(text[i]);
    if (i < kTemporaryPrefix.size()) {
      if (unit != static_cast<unsigned char>(kTemporaryPrefix[i])) return false;
    } else if (i < kTemporaryPrefix.size() + kTemporaryRandom) {
      if (unit > 0x7F || kTemporaryAlphabet.find(static_cast<char>(unit)) == std::string_view::npos)
        return false;
    } else if (unit != static_cast<unsigned char>(
                           kTemporarySuffix[i - kTemporaryPrefix.size() - kTemporaryRandom])) {
      return false;
    }
  }
  return true;
}

int removeLeftoverTemporaries(FileSystem& files, const fs::path& folder, std::int64_t nowNs) {
  std::vector<fs::path> names;
  if (files.list(folder, names) != FileError::None) return 0;
  int removed = 0;
  for (const fs::path& name : names) {
    if (!isTemporaryName(name)) continue;
    FileStatus status;
    // Only files a while untouched: a link or a folder of that name is nobody's leftover.
    if (files.status(folder / name, status) != FileError::None ||
        status.kind != FileStatus::Kind::Regular || status.modifiedNs > nowNs - kAbandonedAfterNs) {
      continue;
    }
    if (files.removeAbandoned(folder / name) == FileError::None) ++removed;
  }
  return removed;
}

}  // namespace zarq
