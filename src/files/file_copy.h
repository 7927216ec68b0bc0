#pragma once
// Copies of charts, media and avatars into the editor's folder.

#include <filesystem>

namespace zarq {

// Text: the platform's text mode on both sides (line ends become the platform's own);
// Binary: byte for byte.
enum class CopyMode { Text, Binary };

// Copies `from` over `to`. The copy is written beside `to` first and takes its name only
// when complete, so a failed copy never leaves a cut file behind (the editor would take it
// for the real one next time). Copying a file onto itself leaves it alone and succeeds.
// False when the source is not a readable file or the copy cannot be written.
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to, CopyMode mode);

}  // namespace zarq
