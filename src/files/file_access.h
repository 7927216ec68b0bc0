#pragma once
// Whether a file is there and may be read, asked before the editor opens one, and reading
// an opened one.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/file_system.h"

namespace zarq {

// True when something is at `file`, through links: a dangling link is nothing.
bool fileExists(FileSystem& files, const std::filesystem::path& file);
// True when the file exists and can be opened for reading. A folder counts as readable,
// as the editor's file checks have always treated it; opening it as a file still fails.
bool fileReadable(FileSystem& files, const std::filesystem::path& file);
// Reads until `into` is full or the file ends; `filled` says how much came.
FileError readUpTo(FileSystem& files, FileSystem::Handle handle, std::span<std::uint8_t> into,
                   std::size_t& filled);
// Opens `file` and reads at most `most` bytes of it into `bytes`, nothing past them however
// long it is; a pipe or a device is refused unopened, as no read of one could be trusted to end.
FileError readFileHead(FileSystem& files, const std::filesystem::path& file, std::size_t most,
                       std::vector<std::uint8_t>& bytes);

}  // namespace zarq
