#include "editor/work_folder_lock.h"

#include <cstdio>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/file_messages.h"

namespace zarq {

std::unique_ptr<FolderLock> lockWorkFolder(const std::filesystem::path& folder, Host& host,
                                           const std::function<bool()>& showOther) {
  auto lock = std::make_unique<FolderLock>(folder);
  if (lock->state() != FolderLock::State::Taken) return lock;
  std::fprintf(stderr, "zarq-settings: %s is open in another editor window\n",
               toUtf8(textFromPath(folder)).c_str());
  if (!showOther()) {
    host.messageBox(folderInUseText(folder), u"Zarq Radoziro 设置填写器", MessageButtons::Ok);
  }
  return nullptr;
}

}  // namespace zarq
