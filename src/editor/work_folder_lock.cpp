#include "editor/work_folder_lock.h"

#include <cstdio>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/file_messages.h"

namespace zarq {

std::unique_ptr<FolderLock> lockWorkFolder(const std::filesystem::path& folder, Host& host,
                                           const std::function<bool()>& showOther,
                                           const std::filesystem::path& preset) {
  auto lock = std::make_unique<FolderLock>(folder);
  if (lock->state() != FolderLock::State::Taken) return lock;
  std::fprintf(stderr, "zarq-settings: %s is open in another editor window\n",
               toUtf8(textFromPath(folder)).c_str());
  const bool shown = showOther();
  // The other window shows its own form: a preset this start was to open is not in it, and
  // must not seem to be.
  if (!preset.empty()) {
    std::fprintf(stderr, "zarq-settings: %s was not opened\n",
                 toUtf8(textFromPath(preset)).c_str());
    host.messageBox(presetNotOpenedText(folder, preset), u"Zarq Radoziro 设置填写器",
                    MessageButtons::Ok);
  } else if (!shown) {
    host.messageBox(folderInUseText(folder), u"Zarq Radoziro 设置填写器", MessageButtons::Ok);
  }
  return nullptr;
}

}  // namespace zarq
