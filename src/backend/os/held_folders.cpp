#include "backend/os/held_folders.h"

#include <functional>
#include <iterator>
#include <optional>

namespace zarq {
namespace fs = std::filesystem;
namespace {

class Hold final : public FolderHold {
 public:
  explicit Hold(std::function<void()> release) : release_(std::move(release)) {}
  ~Hold() override { release_(); }

 private:
  std::function<void()> release_;
};

fs::path clean(const fs::path& path) {
  fs::path normal = path.lexically_normal();
  if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
  return normal;
}

// `path` within `folder`, or nothing when it lies elsewhere.
std::optional<fs::path> within(const fs::path& path, const fs::path& folder) {
  const fs::path relative = path.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == "..") return std::nullopt;
  return relative;
}

}  // namespace

std::unique_ptr<FolderHold> HeldFolders::hold(const fs::path& folder, std::intptr_t handle,
                                              HeldFolder::Close close) {
  auto held = std::make_shared<const HeldFolder>(clean(folder), handle, close);
  const std::lock_guard lock(mutex_);
  held_.push_back(held);
  return std::make_unique<Hold>([this, raw = held.get()] { release(raw); });
}

void HeldFolders::release(const HeldFolder* folder) {
  const std::lock_guard lock(mutex_);
  std::erase_if(held_, [folder](const auto& held) { return held.get() == folder; });
}

Located HeldFolders::locate(const fs::path& path) const {
  if (!path.is_absolute()) return {nullptr, path};
  const fs::path normal = clean(path);
  const std::lock_guard lock(mutex_);
  Located found{nullptr, path};
  std::size_t depth = 0;
  // The innermost folder wins; of two holds on one folder, the later one.
  for (const auto& held : held_) {
    const std::size_t heldDepth = std::distance(held->path.begin(), held->path.end());
    if (found.folder && heldDepth < depth) continue;
    if (const std::optional<fs::path> inside = within(normal, held->path)) {
      found = {held, *inside};
      depth = heldDepth;
    }
  }
  return found;
}

std::shared_ptr<const HeldFolder> HeldFolders::heldAt(const fs::path& folder) const {
  const Located located = locate(folder);
  return located.name == "." ? located.folder : nullptr;
}

HeldFolders& heldFolders() {
  static HeldFolders folders;
  return folders;
}

}  // namespace zarq
