#pragma once
// Writing a file so that a failure never costs the previous one: the bytes go to a new file
// in the same folder, which is pushed to the disk and then replaces the target, so that a
// crash, a power cut or a full disk leaves either the old file or the new one. Where no new
// file can be made beside the target (a folder the user may not create files in) but the
// target itself may be written, it is written in place rather than not at all.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "platform/file_system.h"

namespace zarq {

// The file being written. Tests put a failing one in its place to play a full disk.
class FileOutput {
 public:
  virtual ~FileOutput() = default;
  // Creates `path`, which must not exist yet.
  virtual bool create(const std::filesystem::path& path) = 0;
  // Opens the existing regular file `path` and empties it.
  virtual bool overwrite(const std::filesystem::path& path) = 0;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes to the disk and closes; false when anything written did not reach the file.
  virtual bool close() = 0;
};

class DiskFileOutput : public FileOutput {
 public:
  bool create(const std::filesystem::path& path) override;
  bool overwrite(const std::filesystem::path& path) override;
  bool write(std::span<const std::uint8_t> bytes) override;
  bool close() override;

 private:
  FileHandle file_;
};

// Replaces `target` with `bytes`, keeping its permissions and, where the process may, its
// owner and group. On failure no temporary file is left behind. An existing target that is
// not a regular file this process may write is refused, as a plain write would be.
bool writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         FileOutput& output);
bool writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// The same for bytes made while they are written: `produce` writes them to the output in
// as many pieces as it likes, and returns false to give up.
using FileProducer = std::function<bool(FileOutput&)>;
bool writeFileAtomically(const std::filesystem::path& target, const FileProducer& produce,
                         FileOutput& output);
bool writeFileAtomically(const std::filesystem::path& target, const FileProducer& produce);

}  // namespace zarq
