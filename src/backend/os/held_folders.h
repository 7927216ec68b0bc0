#pragma once
// The folders the process holds open (FileSystem::holdFolder), and where a path lies among
// them: a path below a held folder is reached through the folder's handle, never through the
// folder's path, which may lead elsewhere by now.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/file_system.h"

namespace zarq {

struct HeldFolder {
  using Close = void (*)(std::intptr_t);
  HeldFolder(std::filesystem::path path_, std::intptr_t handle_, Close close_)
      : path(std::move(path_)), handle(handle_), close(close_) {}
  ~HeldFolder() { close(handle); }
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;

  const std::filesystem::path path;  // absolute and lexically normal
  const std::intptr_t handle;
  const Close close;
};

// A path as the system is to be asked about it.
struct Located {
  // The held folder the path lies in, kept open while the call uses it; null for none.
  std::shared_ptr<const HeldFolder> folder;
  // Within `folder` ("." for the folder itself); else the path as it was given.
  std::filesystem::path name;
};

class HeldFolders {
 public:
  // Keeps `handle`, the open folder `folder`, until the hold returned is gone.
  std::unique_ptr<FolderHold> hold(const std::filesystem::path& folder, std::intptr_t handle,
                                   HeldFolder::Close close);
  // The innermost held folder `path` lies in, and its path there.
  Located locate(const std::filesystem::path& path) const;
  // The held folder that was opened at `folder` itself; null when none is.
  std::shared_ptr<const HeldFolder> heldAt(const std::filesystem::path& folder) const;

 private:
  void release(const HeldFolder* folder);

  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<const HeldFolder>> held_;
};

// The process's one list: image decoders on other threads find the held folders too.
HeldFolders& heldFolders();

}  // namespace zarq
