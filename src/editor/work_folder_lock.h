#pragma once
// One editor per folder: the start-up takes the lock of the folder the editor is to work in
// before it reads anything there, and holds it until the process ends.

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/folder_lock.h"
#include "platform/platform.h"

namespace zarq {

// Takes the lock of `folder`. When another editor holds it, `showOther` is asked to bring
// that editor's window to the front; where it cannot, a message box says that the folder is
// open in another editor window, and where this start was to open `preset`, that it was not
// opened. Either way a line on the standard error says so, and null
// is returned: the editor is to end without touching the folder. A folder that cannot be
// locked at all is worked in unlocked.
std::unique_ptr<FolderLock> lockWorkFolder(const std::filesystem::path& folder, Host& host,
                                           const std::function<bool()>& showOther,
                                           const std::filesystem::path& preset = {});

}  // namespace zarq
