#include "backend/os/interrupted_write.h"

#include <mutex>

#include "backend/os/ending_run.h"
#include "platform/forwarding_file_system.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

// Tells the system's end of a run which new file is being written, from its creation until it
// is renamed or removed; each step is taken whole, under the lock the end takes too.
class InterruptibleFileSystem final : public ForwardingFileSystem {
 public:
  InterruptibleFileSystem() : ForwardingFileSystem(osFileSystem()) { ending::catchEnds(); }

  // A new file is always written under a temporary name, until it is renamed or removed.
  FileError createNew(const fs::path& path, Handle& handle) override {
    const std::lock_guard step(ending::steps());
    const FileError error = ForwardingFileSystem::createNew(path, handle);
    if (error == FileError::None) ending::writing(path, handle);
    return error;
  }
  FileError close(Handle handle) override {
    const std::lock_guard step(ending::steps());
    const FileError error = ForwardingFileSystem::close(handle);
    ending::closed(handle);
    return error;
  }
  FileError replace(const fs::path& from, const fs::path& to) override {
    const std::lock_guard step(ending::steps());
    const FileError error = ForwardingFileSystem::replace(from, to);
    if (error == FileError::None) ending::gone(from);
    return error;
  }
  FileError renameNew(const fs::path& from, const fs::path& to) override {
    const std::lock_guard step(ending::steps());
    const FileError error = ForwardingFileSystem::renameNew(from, to);
    if (error == FileError::None) ending::gone(from);
    return error;
  }
  FileError remove(const fs::path& path) override {
    const std::lock_guard step(ending::steps());
    const FileError error = ForwardingFileSystem::remove(path);
    ending::gone(path);
    return error;
  }
};

}  // namespace

FileSystem& interruptibleFileSystem() {
  static InterruptibleFileSystem files;
  return files;
}

}  // namespace zarq
