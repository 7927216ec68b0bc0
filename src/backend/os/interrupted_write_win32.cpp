#include <windows.h>

#include <mutex>

#include "backend/os/interrupted_write.h"
#include "platform/forwarding_file_system.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

// The console calls its handler on a thread of its own while the file is being written: what
// it may find is guarded, and the write takes one step at a time.
std::mutex writingMutex;
fs::path writingPath;  // the new file until it is renamed or removed
FileSystem::Handle writingHandle = 0;
bool writingOpen = false;

BOOL WINAPI removeWritingAndEnd(DWORD) {
  // Never let go: the write goes no further while the process ends.
  writingMutex.lock();
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

class InterruptibleFileSystem final : public ForwardingFileSystem {
 public:
  InterruptibleFileSystem() : ForwardingFileSystem(osFileSystem()) {
    SetConsoleCtrlHandler(removeWritingAndEnd, TRUE);
  }

  // A new file is always written under a temporary name, until it is renamed or removed.
  FileError createNew(const fs::path& path, Handle& handle) override {
    const std::lock_guard lock(writingMutex);
    const FileError error = ForwardingFileSystem::createNew(path, handle);
    if (error == FileError::None) {
      writingPath = path;
      writingHandle = handle;
      writingOpen = true;
    }
    return error;
  }
  FileError close(Handle handle) override {
    const std::lock_guard lock(writingMutex);
    const FileError error = ForwardingFileSystem::close(handle);
    if (writingOpen && handle == writingHandle) writingOpen = false;
    return error;
  }
  FileError replace(const fs::path& from, const fs::path& to) override {
    const std::lock_guard lock(writingMutex);
    const FileError error = ForwardingFileSystem::replace(from, to);
    if (error == FileError::None) disarm(from);
    return error;
  }
  FileError renameNew(const fs::path& from, const fs::path& to) override {
    const std::lock_guard lock(writingMutex);
    const FileError error = ForwardingFileSystem::renameNew(from, to);
    if (error == FileError::None) disarm(from);
    return error;
  }
  FileError remove(const fs::path& path) override {
    const std::lock_guard lock(writingMutex);
    const FileError error = ForwardingFileSystem::remove(path);
    disarm(path);
    return error;
  }

 private:
  static void disarm(const fs::path& path) {
    if (path == writingPath && !writingOpen) writingPath.clear();
  }
};

}  // namespace

FileSystem& interruptibleFileSystem() {
  static InterruptibleFileSystem files;
  return files;
}

}  // namespace zarq
