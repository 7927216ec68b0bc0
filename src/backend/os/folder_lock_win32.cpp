#include <windows.h>

#include "platform/folder_lock.h"

namespace zarq {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  // Shared with nobody, so a second editor's open fails; the link a user could plant under
  // this name is opened as itself, never followed.
  const HANDLE handle = CreateFileW(
      (folder / kFolderLockName).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
      OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT,
      nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    state_ = State::Held;
  } else if (GetLastError() == ERROR_SHARING_VIOLATION) {
    state_ = State::Taken;
  }
}

FolderLock::~FolderLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace zarq
