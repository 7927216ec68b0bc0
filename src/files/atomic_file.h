#pragma once
// Writing a file so that a failure never costs the previous one: the bytes go to a new file
// in the same folder, which replaces the target only once every write and the close have
// succeeded. A crash, a full disk or a read-only folder leaves the old file as it was.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace zarq {

// The new file being written. Tests put a failing one in its place to play a full disk.
class FileOutput {
 public:
  virtual ~FileOutput() = default;
  // Creates `path`, which must not exist yet.
  virtual bool create(const std::filesystem::path& path) = 0;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes and closes; false when anything written did not reach the file.
  virtual bool close() = 0;
};

class StreamFileOutput : public FileOutput {
 public:
  bool create(const std::filesystem::path& path) override;
  bool write(std::span<const std::uint8_t> bytes) override;
  bool close() override;

 private:
  std::ofstream stream_;
};

// Replaces `target` with `bytes`. On failure the target is untouched and no temporary file
// is left behind. An existing target that cannot be opened for writing is refused, as a
// plain write would be.
bool writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         FileOutput& output);
bool writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace zarq
