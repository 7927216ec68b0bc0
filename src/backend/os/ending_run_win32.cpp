#include <windows.h>

#include "backend/os/ending_run.h"

namespace zarq::ending {
namespace {

// The console calls its handler on a thread of its own while the file is being written.
std::filesystem::path writingPath;  // the new file until it is renamed or removed
FileSystem::Handle writingHandle = 0;
bool writingOpen = false;

BOOL WINAPI removeWritingAndEnd(DWORD) {
  // Never let go: the write goes no further while the process ends.
  steps().lock();
  if (writingOpen) {
    // Open, it cannot be removed by its name; marked through its handle, it goes when the
    // end of the process closes that handle.
    FILE_DISPOSITION_INFO dispose{TRUE};
    SetFileInformationByHandle(reinterpret_cast<HANDLE>(writingHandle), FileDispositionInfo,
                               &dispose, sizeof dispose);
  } else if (!writingPath.empty()) {
    osFileSystem().remove(writingPath);
  }
  // The system's own handler ends the process as it would have.
  return FALSE;
}

}  // namespace

void catchEnds() { SetConsoleCtrlHandler(removeWritingAndEnd, TRUE); }

std::mutex& steps() {
  static std::mutex mutex;
  return mutex;
}

void writing(const std::filesystem::path& path, FileSystem::Handle handle) {
  writingPath = path;
  writingHandle = handle;
  writingOpen = true;
}

void closed(FileSystem::Handle handle) {
  if (writingOpen && handle == writingHandle) writingOpen = false;
}

void gone(const std::filesystem::path& path) {
  if (path == writingPath && !writingOpen) writingPath.clear();
}

}  // namespace zarq::ending
