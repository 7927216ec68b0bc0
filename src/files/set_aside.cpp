#include "files/set_aside.h"

#include <string>

namespace zarq {

std::optional<std::filesystem::path> setAside(const std::filesystem::path& file,
                                              FileSystem& files) {
  // Enough for years of damaged files; past that something else is wrong.
  constexpr int kMostNames = 1000;
  for (int n = 1; n <= kMostNames; ++n) {
    std::filesystem::path aside = file;
    aside += n == 1 ? std::string(kAsideSuffix) : kAsideSuffix + ("-" + std::to_string(n));
    const FileError error = files.renameNew(file, aside);
    if (error == FileError::None) {
      // The new name is kept only once the folder is on the disk; a failure here changes
      // nothing for the file, which is under its new name either way.
      files.syncFolder(file.parent_path());
      return aside;
    }
    // Only a taken name is worth another try; any other failure repeats itself.
    if (error != FileError::Exists) break;
  }
  return std::nullopt;
}

}  // namespace zarq
