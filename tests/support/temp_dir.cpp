#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "platform/file_system.h"

namespace zarq::testing {

TempDir::TempDir() {
  // A name no other test of any process has taken: the directory is made only if it is new.
  std::random_device seed;
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  while (path_.empty()) {
    const std::filesystem::path candidate = base / ("zarq-test-" + std::to_string(seed()));
    if (std::filesystem::create_directory(candidate, error)) path_ = candidate;
    if (error) std::abort();
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::filesystem::path& name,
                                     const std::string& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::int64_t secondsOn(std::int64_t seconds) { return systemClockNs() + seconds * 1'000'000'000; }

}  // namespace zarq::testing
