#include "files/atomic_file.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace zarq {
namespace fs = std::filesystem;
namespace {

// A name next to the target that nothing uses yet, so that two writers never share one.
fs::path freshTemporaryName(const fs::path& target) {
  const auto stamp =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%llx-%d.tmp", stamp, attempt);
    fs::path candidate = target;
    candidate += suffix;
    std::error_code ec;
    if (!fs::exists(candidate, ec) && !ec) return candidate;
  }
  return {};
}

// A symbolic link keeps pointing where it did: the file it names is the one replaced.
fs::path resolvedTarget(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(target, ec)) return target;
  fs::path resolved = fs::canonical(target, ec);
  return ec ? target : resolved;
}

bool writeAll(FileOutput& output, const FileProducer& produce) {
  const bool written = produce(output);
  return output.close() && written;
}

// The new file takes the old one's place with everything the old one had about it.
bool replaceWith(const fs::path& temporary, const fs::path& destination, bool replacing) {
  if (replacing) {
    std::error_code ec;
    const fs::perms previous = fs::status(destination, ec).permissions();
    takeOwnerOf(temporary, destination);
    if (!ec && previous != fs::perms::unknown) fs::permissions(temporary, previous, ec);
  }
  return replaceDurably(temporary, destination);
}

}  // namespace

bool DiskFileOutput::create(const fs::path& path) {
  file_ = createNewFile(path);
  return file_ != nullptr;
}

bool DiskFileOutput::overwrite(const fs::path& path) {
  file_ = overwriteRegularFile(path);
  return file_ != nullptr;
}

bool DiskFileOutput::write(std::span<const std::uint8_t> bytes) {
  return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size();
}

bool DiskFileOutput::close() {
  if (!file_) return false;
  const bool flushed = flushToDisk(file_.get());
  return std::fclose(file_.release()) == 0 && flushed;
}

bool writeFileAtomically(const fs::path& target, const FileProducer& produce, FileOutput& output) {
  const fs::path destination = resolvedTarget(target);
  std::error_code ec;
  const bool replacing = fs::exists(fs::symlink_status(destination, ec));
  // A file the user may not write, a folder or a pipe of that name stays as it is.
  if (replacing && !writableRegularFile(destination)) return false;

  const fs::path temporary = freshTemporaryName(destination);
  if (!temporary.empty() && output.create(temporary)) {
    bool written = writeAll(output, produce) && replaceWith(temporary, destination, replacing);
    if (!written) fs::remove(temporary, ec);
    return written;
  }
  // No file can be made beside the target: a target that may be written is better written
  // in place than the work lost.
  return replacing && output.overwrite(destination) && writeAll(output, produce);
}

bool writeFileAtomically(const fs::path& target, const FileProducer& produce) {
  DiskFileOutput output;
  return writeFileAtomically(target, produce, output);
}

bool writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                         FileOutput& output) {
  return writeFileAtomically(
      target, [&](FileOutput& out) { return out.write(bytes); }, output);
}

bool writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
  DiskFileOutput output;
  return writeFileAtomically(target, bytes, output);
}

}  // namespace zarq
