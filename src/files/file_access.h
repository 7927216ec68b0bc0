#pragma once
// Whether the editor may read a file of its folder, asked before it opens one.

#include <filesystem>

namespace zarq {

// True when the file exists and can be opened for reading. A folder counts as readable,
// as the editor's file checks have always treated it; opening it as a file still fails.
bool fileReadable(const std::filesystem::path& file);

}  // namespace zarq
