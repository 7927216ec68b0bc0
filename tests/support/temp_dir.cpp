#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>

namespace zarq::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zarq-test-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
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

}  // namespace zarq::testing
