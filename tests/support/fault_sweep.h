#pragma once
// The sweep of faults over one path that writes: the path runs once without faults, which
// counts its file-system calls and gives the files as they should end; then once for every
// call and every fault, each time from the same files. After each run, every file must be
// its old or its complete new self, no partial file may carry a real name, no temporary file
// may be left unless the "process" was stopped (and the next start's clean-up removes it),
// and whenever the run did not end as it should, the user must have been told.

#include <filesystem>
#include <functional>
#include <string>

#include "support/faulty_file_system.h"

namespace zarq::testing {

struct SweepRun {
  bool done = true;   // the path's effect beyond the files (a preset loaded) came about
  bool told = false;  // a failure was told: a message box, or exit 1 and a line on stderr
};

struct SweepPath {
  std::string name = {};
  // Makes the files as they are before the path runs, below `root`.
  std::function<void(const std::filesystem::path& root)> prepare = {};
  // Runs the path with the file system, calling its `begin` where the faults start to count.
  std::function<SweepRun(FaultyFileSystem& files, const std::filesystem::path& root)> run = {};
  // A file that is neither old nor new may be acceptable all the same (a fallback file).
  std::function<bool(const std::filesystem::path& relative, const std::string& bytes)> alsoFine =
      {};
  // Whether a stop may leave a target half written (written in place, it cannot be helped)...
  bool stopMayCutTarget = false;
  // ...as long as a file below this folder (relative to the root) holds its old content:
  // empty when nothing keeps it.
  std::filesystem::path oldKeptBelow = {};
  // The folder (relative to the root, "." for the root itself) where creating files fails,
  // as in one the user may not write in; empty for none.
  std::filesystem::path refuseNewFilesIn = {};
};

// Runs the sweep, reporting every broken rule as a test failure and, on the standard output,
// how many calls it made and how many faults it injected.
void sweepFaults(const SweepPath& path);

// Puts a file with the bytes where a path's preparation wants it, with the folders above it.
void putFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace zarq::testing
