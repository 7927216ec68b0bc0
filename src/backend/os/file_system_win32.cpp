#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/file_system.h"

namespace zarq {
namespace fs = std::filesystem;
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A folder cannot be opened this way at all; a pipe or a device ("NUL", "CON") is refused
// by its type before anything is read.
HANDLE openRegular(const fs::path& file, DWORD access, DWORD disposition) {
  const HANDLE handle = CreateFileW(file.c_str(), access, kShareAll, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return handle;
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

FileHandle streamOf(HANDLE handle, int flags, const char* mode) {
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* stream = _fdopen(fd, mode);
  if (stream == nullptr) _close(fd);
  return FileHandle(stream);
}

}  // namespace

FileHandle openRegularFile(const fs::path& file) {
  return streamOf(openRegular(file, GENERIC_READ, OPEN_EXISTING), _O_RDONLY, "rb");
}

bool writableRegularFile(const fs::path& file) {
  const HANDLE handle = openRegular(file, GENERIC_WRITE, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

FileHandle createNewFile(const fs::path& file) {
  return streamOf(openRegular(file, GENERIC_WRITE, CREATE_NEW), _O_WRONLY, "wb");
}

FileHandle overwriteRegularFile(const fs::path& file) {
  const HANDLE handle = openRegular(file, GENERIC_WRITE, OPEN_EXISTING);
  if (handle != INVALID_HANDLE_VALUE && !SetEndOfFile(handle)) {
    CloseHandle(handle);
    return nullptr;
  }
  return streamOf(handle, _O_WRONLY, "wb");
}

bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
}

// Windows gives a new file to its creator and keeps no group a process could copy.
void takeOwnerOf(const fs::path&, const fs::path&) {}

bool replaceDurably(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool renameWithoutReplacing(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace zarq
