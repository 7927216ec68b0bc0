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

}  // namespace

bool StreamFileOutput::create(const fs::path& path) {
  stream_.open(path, std::ios::binary | std::ios::out | std::ios::trunc);
  return stream_.is_open();
}

bool StreamFileOutput::write(std::span<const std::uint8_t> bytes) {
  stream_.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
  return stream_.good();
}

bool StreamFileOutput::close() {
  if (!stream_.is_open()) return false;
  stream_.close();
  return !stream_.fail();
}

bool writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                         FileOutput& output) {
  const fs::path destination = resolvedTarget(target);
  std::error_code ec;
  const bool replacing = fs::exists(destination, ec);
  if (replacing) {
    // A file the user may not write (or a folder of that name) stays as it is.
    std::fstream probe(destination, std::ios::binary | std::ios::in | std::ios::out);
    if (!probe.is_open()) return false;
  }
  const fs::path temporary = freshTemporaryName(destination);
  if (temporary.empty() || !output.create(temporary)) return false;

  bool written = output.write(bytes);
  written = output.close() && written;
  if (written && replacing) {
    const fs::perms previous = fs::status(destination, ec).permissions();
    if (!ec && previous != fs::perms::unknown) fs::permissions(temporary, previous, ec);
  }
  if (written) {
    fs::rename(temporary, destination, ec);
    written = !ec;
  }
  if (!written) fs::remove(temporary, ec);
  return written;
}

bool writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
  StreamFileOutput output;
  return writeFileAtomically(target, bytes, output);
}

}  // namespace zarq
