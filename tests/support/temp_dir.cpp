#include "support/temp_dir.h"

#include <cstdlib>
#include <string>

namespace zarq::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zarq-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace zarq::testing
