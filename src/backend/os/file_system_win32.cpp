#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <windows.h>

#include "platform/file_system.h"

namespace zarq {
namespace fs = std::filesystem;
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

FileError errorOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return FileError::None;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_NOT_ENOUGH_QUOTA:
      return FileError::NoSpace;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
      return FileError::Io;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileError::Permission;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return FileError::NameTooLong;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FileError::Exists;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return FileError::NotFound;
    default:
      return FileError::Other;
  }
}

FileError lastError() { return errorOf(GetLastError()); }

HANDLE handleOf(FileSystem::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// A folder cannot be opened this way at all; a pipe or a device ("NUL", "CON") is refused
// by its type before anything is read.
HANDLE openRegular(const fs::path& file, DWORD access, DWORD flags, FileError& error) {
  const HANDLE handle =
      CreateFileW(file.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = lastError();
    return handle;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
    CloseHandle(handle);
    error = FileError::NotRegular;
    return INVALID_HANDLE_VALUE;
  }
  error = FileError::None;
  return handle;
}

FileError opened(HANDLE handle, FileError error, FileSystem::Handle& out) {
  if (handle != INVALID_HANDLE_VALUE) out = reinterpret_cast<FileSystem::Handle>(handle);
  return error;
}

fs::path folderOrCurrent(const fs::path& folder) { return folder.empty() ? fs::path(".") : folder; }

class Win32FileSystem final : public FileSystem {
 public:
  FileError status(const fs::path& path, FileStatus& status) override {
    status = {};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
      const DWORD error = GetLastError();
      return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileError::None
                                                                            : errorOf(error);
    }
    status.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    const DWORD attributes = data.dwFileAttributes;
    status.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileStatus::Kind::Link
                  : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? FileStatus::Kind::Folder
                                                              : FileStatus::Kind::Regular;
    return FileError::None;
  }

  FileError openForReading(const fs::path& path, Handle& handle) override {
    FileError error;
    const HANDLE h = openRegular(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL, error);
    return opened(h, error, handle);
  }

  FileError createNew(const fs::path& path, Handle& handle) override {
    // CREATE_NEW fails on anything at the path, a link included.
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return opened(h, h == INVALID_HANDLE_VALUE ? lastError() : FileError::None, handle);
  }

  FileError openForUpdate(const fs::path& path, Handle& handle) override {
    FileError error;
    const HANDLE h = openRegular(path, GENERIC_READ | GENERIC_WRITE,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, error);
    return opened(h, error, handle);
  }

  FileError read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) override {
    DWORD n = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(into.size(), 1u << 30));
    if (!ReadFile(handleOf(handle), into.data(), wanted, &n, nullptr)) return lastError();
    got = n;
    return FileError::None;
  }

  FileError write(Handle handle, std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      DWORD n = 0;
      const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      if (!WriteFile(handleOf(handle), bytes.data(), wanted, &n, nullptr)) return lastError();
      if (n == 0) return FileError::Io;
      bytes = bytes.subspan(n);
    }
    return FileError::None;
  }

  FileError truncate(Handle handle) override {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handleOf(handle), start, nullptr, FILE_BEGIN) ||
        !SetEndOfFile(handleOf(handle))) {
      return lastError();
    }
    return FileError::None;
  }

  FileError sync(Handle handle) override {
    return FlushFileBuffers(handleOf(handle)) ? FileError::None : lastError();
  }

  FileError close(Handle handle) override {
    return CloseHandle(handleOf(handle)) ? FileError::None : lastError();
  }

  FileError checkWritable(const fs::path& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastError();
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
      return FileError::NotRegular;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileError::Permission;
    FileError error;
    const HANDLE h = openRegular(path, GENERIC_WRITE, FILE_FLAG_OPEN_REPARSE_POINT, error);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return error;
  }

  // Windows gives a new file to its creator and keeps no group a process could copy.
  void takeAttributesOf(Handle, const fs::path&) override {}

  FileError replace(const fs::path& from, const fs::path& to) override {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? FileError::None
               : lastError();
  }

  FileError renameNew(const fs::path& from, const fs::path& to) override {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) ? FileError::None
                                                                         : lastError();
  }

  FileError remove(const fs::path& path) override {
    return DeleteFileW(path.c_str()) ? FileError::None : lastError();
  }

  // Renames are written through (MOVEFILE_WRITE_THROUGH); there is nothing more to push.
  FileError syncFolder(const fs::path&) override { return FileError::None; }

  FileError createFolders(const fs::path& folder) override {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return errorOf(static_cast<DWORD>(error.value()));
    return fs::is_directory(folder, error) ? FileError::None : FileError::NotRegular;
  }

  FileError list(const fs::path& folder, std::vector<fs::path>& names) override {
    std::error_code error;
    names.clear();
    for (fs::directory_iterator it(folderOrCurrent(folder), error), end; !error && it != end;
         it.increment(error)) {
      names.push_back(it->path().filename());
    }
    return error ? errorOf(static_cast<DWORD>(error.value())) : FileError::None;
  }

  Handle standardOutput() override {
    return reinterpret_cast<Handle>(GetStdHandle(STD_OUTPUT_HANDLE));
  }

  bool crLfLineEnds() const override { return true; }
};

}  // namespace

FileHandle openRegularFile(const fs::path& file) {
  FileError error;
  const HANDLE handle = openRegular(file, GENERIC_READ, FILE_ATTRIBUTE_NORMAL, error);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* stream = _fdopen(fd, "rb");
  if (stream == nullptr) _close(fd);
  return FileHandle(stream);
}

FileSystem& osFileSystem() {
  static Win32FileSystem system;
  return system;
}

fs::path userDataFolder() {
  PWSTR folder = nullptr;
  fs::path result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) result = folder;
  CoTaskMemFree(folder);
  return result;
}

}  // namespace zarq
