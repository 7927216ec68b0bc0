#pragma once
// The few file operations the standard library cannot express: opening without ever
// waiting on a pipe or a device, pushing written bytes to the disk, and renames that either
// replace durably or never replace. backend/os implements them for POSIX and for Windows.

#include <cstdio>
#include <filesystem>
#include <memory>

namespace zarq {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for reading. A pipe, a folder or a device is refused at once: opening
// one for real could block the editor or feed it endless bytes.
FileHandle openRegularFile(const std::filesystem::path& file);
// Whether `file` is a regular file this process may open for writing (without changing it).
bool writableRegularFile(const std::filesystem::path& file);
// Creates `file` for writing; fails when anything is already there.
FileHandle createNewFile(const std::filesystem::path& file);
// Opens an existing regular file for writing and empties it.
FileHandle overwriteRegularFile(const std::filesystem::path& file);
// Flushes the stream and asks the system to put the bytes on the disk itself.
bool flushToDisk(std::FILE* file);
// Gives `file` the owner and group of `like` where the process may; quietly keeps them
// otherwise.
void takeOwnerOf(const std::filesystem::path& file, const std::filesystem::path& like);
// Renames `from` over `to` and makes the rename itself durable.
bool replaceDurably(const std::filesystem::path& from, const std::filesystem::path& to);
// Renames `from` to `to` only when nothing is at `to`.
bool renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zarq
