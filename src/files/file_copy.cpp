#include "files/file_copy.h"

#include <fstream>
#include <system_error>

namespace zarq {

bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to, CopyMode mode) {
  std::error_code error;
  // A folder opens as a stream too, and a pipe could block the editor: plain files only.
  if (!std::filesystem::is_regular_file(from, error)) return false;
  // Opening the target for writing would empty the source before it is read.
  if (std::filesystem::equivalent(from, to, error)) return true;

  const std::ios::openmode binary =
      mode == CopyMode::Binary ? std::ios::binary : std::ios::openmode{};
  std::ifstream in(from, std::ios::in | binary);
  if (!in.is_open()) return false;
  std::filesystem::path partial = to;
  partial += ".copying";
  {
    std::ofstream out(partial, std::ios::out | std::ios::trunc | binary);
    if (!out.is_open()) return false;
    // An empty source copies to an empty file; `<<` of an empty buffer would fail.
    if (in.peek() != std::char_traits<char>::eof()) out << in.rdbuf();
    out.close();
    if (!out || in.bad()) {
      std::filesystem::remove(partial, error);
      return false;
    }
  }
  std::filesystem::rename(partial, to, error);
  if (error) {
    std::filesystem::remove(partial, error);
    return false;
  }
  return true;
}

}  // namespace zarq
