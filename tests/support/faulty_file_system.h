#pragma once
// A file system that fails one chosen call, the n-th since it was armed, with a full disk,
// an I/O error, a refusal, a name too long, or stops the process there (that call and every
// later one do nothing, as if the process had been killed). Every other call goes to the
// system's own file system, apart from pushing files to the disk, which changes nothing the
// tests can see. What is written to standard output is kept, not printed.

#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zarq::testing {

enum class Fault { NoSpace, Io, Permission, NameTooLong, Stop };
inline constexpr Fault kFaults[] = {Fault::NoSpace, Fault::Io, Fault::Permission,
                                    Fault::NameTooLong, Fault::Stop};
const char* faultName(Fault fault);

class FaultyFileSystem final : public FileSystem {
 public:
  // Call `n` (from 1) after `begin` is to fail with `fault`; 0 fails none.
  void arm(int n, Fault fault);
  // Calls count from here on: those before (the start of the editor) never fail.
  void begin();
  int calls() const { return calls_; }
  // A Stop fault was hit: the "process" is gone.
  bool stopped() const { return stopped_; }
  // Closes what the stopped "process" left open, as the system does for a killed one.
  void closeLeftovers();

  // Creating files in this folder fails with Permission, as in one the user may not write
  // in; empty for none.
  std::filesystem::path refuseNewFilesIn;
  // Every write fails with NoSpace, after taking half of its bytes.
  bool diskFull = false;
  // Every push of a folder to the disk fails with Io, as on a stick pulled out meanwhile.
  bool foldersUnflushed = false;
  std::string standardOutputBytes;

  FileError status(const std::filesystem::path& path, FileStatus& status) override;
  FileError resolvedStatus(const std::filesystem::path& path, FileStatus& status) override;
  FileError openForReading(const std::filesystem::path& path, Handle& handle) override;
  FileError createNew(const std::filesystem::path& path, Handle& handle) override;
  FileError openForUpdate(const std::filesystem::path& path, Handle& handle) override;
  FileError read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) override;
  FileError write(Handle handle, std::span<const std::uint8_t> bytes) override;
  FileError findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                     std::uint64_t& dataEnd) override;
  FileError growTo(Handle handle, std::uint64_t size) override;
  FileError truncate(Handle handle) override;
  FileError sync(Handle handle) override;
  FileError close(Handle handle) override;
  FileError checkWritable(const std::filesystem::path& path) override;
  void takeAttributesOf(Handle file, const std::filesystem::path& like) override;
  FileError replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FileError renameNew(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FileError remove(const std::filesystem::path& path) override;
  FileError syncFolder(const std::filesystem::path& folder) override;
  FileError createFolders(const std::filesystem::path& folder) override;
  FileError list(const std::filesystem::path& folder,
                 std::vector<std::filesystem::path>& names) override;
  // The hold is made at the start of the editor, which never fails.
  std::unique_ptr<FolderHold> holdFolder(const std::filesystem::path& folder) override {
    return real_.holdFolder(folder);
  }
  FileError heldFolderInPlace(const std::filesystem::path& folder) override;
  Handle standardOutput() override { return kStandardOutput; }
  bool crLfLineEnds() const override { return real_.crLfLineEnds(); }

 private:
  static constexpr Handle kStandardOutput = -2;
  // Counts one call; the error it is to fail with, or None to go on.
  FileError step();
  // Keeps the handle an open call gave out (read once the call has filled it in).
  FileError opened(FileError error, const Handle& handle);

  FileSystem& real_ = osFileSystem();
  bool counting_ = false;
  int calls_ = 0;
  int failAt_ = 0;
  Fault fault_ = Fault::Io;
  bool stopped_ = false;
  std::set<Handle> open_;
};

}  // namespace zarq::testing
