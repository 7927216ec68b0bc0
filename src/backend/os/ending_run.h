#pragma once
// What each system does with the file being written when a run is ended (a signal on Linux,
// the console's events on Windows): interrupted_write.cpp tells it, step by step, which file
// that is.

#include <filesystem>
#include <mutex>

#include "platform/file_system.h"

namespace zarq::ending {

// Catches the ends of a run, for the life of the process.
void catchEnds();
// Held around each step below; the end takes it too where it may wait for a step to finish.
std::mutex& steps();
// `path` was created, open as `handle`, under a temporary name.
void writing(const std::filesystem::path& path, FileSystem::Handle handle);
// `handle` was closed.
void closed(FileSystem::Handle handle);
// `path` was renamed or removed: nothing is left to remove.
void gone(const std::filesystem::path& path);

}  // namespace zarq::ending
