#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cwctype>
#include <initializer_list>
#include <optional>
#include <string>

#include "backend/os/held_folders.h"
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
      return FileError::NotFound;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      return FileError::InvalidName;
    default:
      return FileError::Other;
  }
}

FileError lastError() { return errorOf(GetLastError()); }

// How opening "CON" or "CONIN$" fails in a process without a console, the editor always: as
// on a closed handle. The name is a device's all the same, never a file's.
constexpr DWORD kNoConsole = ERROR_INVALID_HANDLE;

HANDLE handleOf(FileSystem::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// A path below a held folder: the folder's handle, kept open while it is used, and the
// name within it (empty for the folder itself).
struct Held {
  std::shared_ptr<const HeldFolder> folder;
  std::wstring name;
  HANDLE root() const { return reinterpret_cast<HANDLE>(folder->handle); }
};

std::optional<std::wstring> fullPathOf(const fs::path& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return std::nullopt;
    const bool fits = length < full.size();
    full.resize(length);
    if (fits) return full;
  }
}

// `path` as the calls of Windows programs read it: a device's name ("x\CON.set") names the
// device, and dots and blanks ending the name are dropped. A held folder's handle would take
// the name literally and make a file that no other program can open.
fs::path asWindowsReadsIt(const fs::path& path) {
  if (!path.is_absolute()) return path;
  return fullPathOf(path).value_or(path.native());
}

// `path` as the system's calls take it at any length. Past MAX_PATH characters (12 fewer for
// a folder to be made) they take only the "\\?\" form, and that literally: it is given the
// full path Windows itself makes of the name. A path that fits is left as it is.
std::wstring unlimited(const fs::path& path) {
  const std::optional<std::wstring> full = fullPathOf(path);
  if (!full || full->size() < MAX_PATH - 12 || full->starts_with(L"\\\\?\\") ||
      full->starts_with(L"\\\\.\\")) {
    return path.native();
  }
  if (full->starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full->substr(2);
  return L"\\\\?\\" + *full;
}

std::optional<Held> heldPlace(const fs::path& path) {
  Located located = heldFolders().locate(asWindowsReadsIt(path));
  if (!located.folder) return std::nullopt;
  return Held{located.folder, located.name == "." ? L"" : located.name.make_preferred().wstring()};
}

// Opens `relative` below the open `root`: a name in a folder, or a stream (":name:$DATA") of
// a file. The error is the Windows error the same failure of CreateFileW would give.
HANDLE openRelative(HANDLE root, const std::wstring& relative, ACCESS_MASK access, ULONG share,
                    ULONG disposition, ULONG options, DWORD& error) {
  UNICODE_STRING name;
  name.Buffer = const_cast<PWSTR>(relative.c_str());
  name.Length = name.MaximumLength = static_cast<USHORT>(relative.size() * sizeof(wchar_t));
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, root, nullptr);
  IO_STATUS_BLOCK io{};
  HANDLE handle = nullptr;
  const NTSTATUS status =
      NtCreateFile(&handle, access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL,
                   share, disposition, options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
  if (!NT_SUCCESS(status)) {
    error = RtlNtStatusToDosError(status);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

// Opens a name relative to its held folder, as the system's own calls do for a whole path.
HANDLE openAt(const Held& at, ACCESS_MASK access, ULONG share, ULONG disposition, ULONG options,
              DWORD& error) {
  return openRelative(at.root(), at.name, access, share, disposition, options, error);
}

// Opens what is at `path` itself (a link as the link) only to read what it is.
HANDLE openToLookAt(const fs::path& path, bool throughLinks, DWORD& error) {
  if (const std::optional<Held> at = heldPlace(path)) {
    return openAt(*at, FILE_READ_ATTRIBUTES, kShareAll, FILE_OPEN,
                  throughLinks ? 0 : FILE_OPEN_REPARSE_POINT, error);
  }
  const HANDLE handle = CreateFileW(
      unlimited(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
      FILE_FLAG_BACKUP_SEMANTICS | (throughLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
  error = handle == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  return handle;
}

FileStatus statusFrom(const BY_HANDLE_FILE_INFORMATION& info) {
  FileStatus status;
  const DWORD attributes = info.dwFileAttributes;
  status.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileStatus::Kind::Link
                : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? FileStatus::Kind::Folder
                                                            : FileStatus::Kind::Regular;
  status.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  status.device = info.dwVolumeSerialNumber;
  status.node = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  status.links = info.nNumberOfLinks;
  // 100 ns steps since 1601, as the file system keeps them, counted from 1970 as the
  // system's clock is.
  constexpr std::int64_t k1601To1970 = 116'444'736'000'000'000;
  status.modifiedNs =
      (static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                 info.ftLastWriteTime.dwLowDateTime) -
       k1601To1970) *
      100;
  return status;
}

FileError statusOf(const fs::path& path, bool throughLinks, FileStatus& status) {
  status = {};
  DWORD error = ERROR_SUCCESS;
  const HANDLE handle = openToLookAt(path, throughLinks, error);
  if (handle == INVALID_HANDLE_VALUE) {
    if (error == kNoConsole) status.kind = FileStatus::Kind::Other;
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == kNoConsole
               ? FileError::None
               : errorOf(error);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  // A device ("NUL", "CON") answers the open but is no file.
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info)) {
    status.kind = FileStatus::Kind::Other;
  } else {
    status = statusFrom(info);
  }
  CloseHandle(handle);
  return FileError::None;
}

// Opens the file at `path` for `access`: through its held folder, or by its path.
HANDLE openFile(const fs::path& path, DWORD access, DWORD share, DWORD disposition, DWORD flags,
                FileError& error) {
  DWORD code = ERROR_SUCCESS;
  HANDLE handle = INVALID_HANDLE_VALUE;
  if (const std::optional<Held> at = heldPlace(path)) {
    const ULONG ntDisposition = disposition == CREATE_NEW ? FILE_CREATE : FILE_OPEN;
    const ULONG options = FILE_NON_DIRECTORY_FILE |
                          ((flags & FILE_FLAG_OPEN_REPARSE_POINT) ? FILE_OPEN_REPARSE_POINT : 0);
    handle = openAt(*at, access, share, ntDisposition, options, code);
  } else {
    handle =
        CreateFileW(unlimited(path).c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) code = GetLastError();
  }
  error = code == kNoConsole ? FileError::NotRegular : errorOf(code);
  return handle;
}

// A folder cannot be opened this way at all; a pipe or a device ("NUL", "CON") is refused
// by its type before anything is read.
HANDLE openRegular(const fs::path& file, DWORD access, DWORD flags, FileError& error) {
  const HANDLE handle = openFile(file, access, kShareAll, OPEN_EXISTING, flags, error);
  if (handle == INVALID_HANDLE_VALUE) return handle;
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

// The owner, group and DACL of `from` onto `to`, as far as this process may set them: only a
// privileged process may give a file away, so the owner, then the group, are left out in turn
// when refused.
void copySecurity(HANDLE from, HANDLE to) {
  PSID owner = nullptr, group = nullptr;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(
          from, SE_FILE_OBJECT,
          OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
          &owner, &group, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return;
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  const bool isProtected = GetSecurityDescriptorControl(descriptor, &control, &revision) &&
                           (control & SE_DACL_PROTECTED);
  // The new file's own handle may only write; another is opened through it, never by name.
  HANDLE settable = ReOpenFile(to, READ_CONTROL | WRITE_DAC | WRITE_OWNER, kShareAll, 0);
  if (settable == INVALID_HANDLE_VALUE) {
    settable = ReOpenFile(to, READ_CONTROL | WRITE_DAC, kShareAll, 0);
  }
  if (settable != INVALID_HANDLE_VALUE) {
    const SECURITY_INFORMATION protection = isProtected ? PROTECTED_DACL_SECURITY_INFORMATION : 0;
    for (const SECURITY_INFORMATION parts :
         {OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
          GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, DACL_SECURITY_INFORMATION}) {
      if (SetSecurityInfo(settable, SE_FILE_OBJECT, parts | protection, owner, group, dacl,
                          nullptr) == ERROR_SUCCESS) {
        break;
      }
    }
    CloseHandle(settable);
  }
  LocalFree(descriptor);
}

bool copyBytes(HANDLE from, HANDLE to) {
  std::vector<std::uint8_t> block(64 * 1024);
  for (;;) {
    DWORD got = 0, put = 0;
    if (!ReadFile(from, block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
      return false;
    }
    if (got == 0) return FlushFileBuffers(to);
    if (!WriteFile(to, block.data(), got, &put, nullptr) || put != got) return false;
  }
}

// One alternate data stream (":name:$DATA") of `from` into `to`, each reached through its
// file's handle. A stream that cannot be copied whole is removed rather than left cut short.
void copyStream(HANDLE from, HANDLE to, const std::wstring& stream) {
  DWORD code = ERROR_SUCCESS;
  const HANDLE source =
      openRelative(from, stream, GENERIC_READ, kShareAll, FILE_OPEN, FILE_NON_DIRECTORY_FILE, code);
  if (source == INVALID_HANDLE_VALUE) return;
  const HANDLE copy = openRelative(to, stream, GENERIC_WRITE | DELETE, 0, FILE_OVERWRITE_IF,
                                   FILE_NON_DIRECTORY_FILE, code);
  if (copy != INVALID_HANDLE_VALUE) {
    if (!copyBytes(source, copy)) {
      FILE_DISPOSITION_INFO dispose{TRUE};
      SetFileInformationByHandle(copy, FileDispositionInfo, &dispose, sizeof dispose);
    }
    CloseHandle(copy);
  }
  CloseHandle(source);
}

// The alternate data streams of `from` (a download's zone mark, a tagging tool's notes) into
// `to`; a file system without them lists none.
void copyStreams(HANDLE from, HANDLE to) {
  std::vector<std::uint8_t> listing(4 * 1024);
  while (!GetFileInformationByHandleEx(from, FileStreamInfo, listing.data(),
                                       static_cast<DWORD>(listing.size()))) {
    if (GetLastError() != ERROR_MORE_DATA || listing.size() >= (1u << 20)) return;
    listing.resize(listing.size() * 2);
  }
  for (std::size_t offset = 0;;) {
    const auto* entry = reinterpret_cast<const FILE_STREAM_INFO*>(listing.data() + offset);
    const std::wstring name(entry->StreamName, entry->StreamNameLength / sizeof(wchar_t));
    // The file's own content, written already.
    if (name != L"::$DATA") copyStream(from, to, name);
    if (entry->NextEntryOffset == 0) break;
    offset += entry->NextEntryOffset;
  }
}

// The marks Explorer shows and honours, which a file written anew would lose: a preset the
// user hid stays hidden. Read-only is not among them: such a file is refused before.
void copyMarks(HANDLE from, HANDLE to) {
  constexpr DWORD kKept =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(from, &info) || !(info.dwFileAttributes & kKept)) return;
  // Times left at zero stay as they are.
  FILE_BASIC_INFO basic{};
  basic.FileAttributes = (info.dwFileAttributes & kKept) | FILE_ATTRIBUTE_ARCHIVE;
  SetFileInformationByHandle(to, FileBasicInfo, &basic, sizeof basic);
}

FileError opened(HANDLE handle, FileError error, FileSystem::Handle& out) {
  if (handle != INVALID_HANDLE_VALUE) out = reinterpret_cast<FileSystem::Handle>(handle);
  return error;
}

fs::path folderOrCurrent(const fs::path& folder) { return folder.empty() ? fs::path(".") : folder; }

// Renames an entry of a held folder within held folders, by its handle: the name it takes
// is looked up in the folder `to` lies in, never through that folder's path.
FileError renameHeld(const Held& from, const Held& to, bool replace) {
  DWORD code = ERROR_SUCCESS;
  const HANDLE handle = openAt(from, DELETE, kShareAll, FILE_OPEN, FILE_OPEN_REPARSE_POINT, code);
  if (handle == INVALID_HANDLE_VALUE) return errorOf(code);
  // Asked of the system directly: the Win32 wrapper may take the name for one relative to the
  // current folder.
  const std::size_t bytes = sizeof(FILE_RENAME_INFORMATION) + to.name.size() * sizeof(wchar_t);
  std::vector<std::uint8_t> buffer(bytes);
  auto* info = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
  info->ReplaceIfExists = replace;
  info->RootDirectory = to.root();
  info->FileNameLength = static_cast<ULONG>(to.name.size() * sizeof(wchar_t));
  to.name.copy(info->FileName, to.name.size());
  IO_STATUS_BLOCK io{};
  const NTSTATUS status =
      NtSetInformationFile(handle, &io, info, static_cast<ULONG>(bytes), FileRenameInformation);
  CloseHandle(handle);
  return NT_SUCCESS(status) ? FileError::None : errorOf(RtlNtStatusToDosError(status));
}

FileError removeHeld(const Held& at) {
  DWORD code = ERROR_SUCCESS;
  const HANDLE handle = openAt(at, DELETE, kShareAll, FILE_OPEN,
                               FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, code);
  if (handle == INVALID_HANDLE_VALUE) return errorOf(code);
  FILE_DISPOSITION_INFO dispose{TRUE};
  const bool removed =
      SetFileInformationByHandle(handle, FileDispositionInfo, &dispose, sizeof dispose);
  code = removed ? ERROR_SUCCESS : GetLastError();
  CloseHandle(handle);
  return errorOf(code);
}

FileError listHeld(const Held& at, std::vector<fs::path>& names) {
  DWORD code = ERROR_SUCCESS;
  const HANDLE folder =
      openAt(at, FILE_LIST_DIRECTORY, kShareAll, FILE_OPEN, FILE_DIRECTORY_FILE, code);
  if (folder == INVALID_HANDLE_VALUE) return errorOf(code);
  std::vector<std::uint8_t> buffer(64 * 1024);
  FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
  while (GetFileInformationByHandleEx(folder, kind, buffer.data(),
                                      static_cast<DWORD>(buffer.size()))) {
    kind = FileIdBothDirectoryInfo;
    for (std::size_t offset = 0;;) {
      const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.data() + offset);
      const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..") names.emplace_back(name);
      if (entry->NextEntryOffset == 0) break;
      offset += entry->NextEntryOffset;
    }
  }
  code = GetLastError();
  CloseHandle(folder);
  return code == ERROR_NO_MORE_FILES ? FileError::None : errorOf(code);
}

FileError createFoldersHeld(const Held& at) {
  Held made{at.folder, L""};
  for (const fs::path& part : fs::path(at.name)) {
    if (!made.name.empty()) made.name += L'\\';
    made.name += part.wstring();
    DWORD code = ERROR_SUCCESS;
    const HANDLE folder =
        openAt(made, FILE_LIST_DIRECTORY, kShareAll, FILE_OPEN_IF, FILE_DIRECTORY_FILE, code);
    if (folder == INVALID_HANDLE_VALUE) return errorOf(code);
    CloseHandle(folder);
  }
  return FileError::None;
}

void closeFolder(std::intptr_t handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }

bool sameFile(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION one{}, other{};
  return GetFileInformationByHandle(a, &one) && GetFileInformationByHandle(b, &other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

class Win32FileSystem final : public FileSystem {
 public:
  FileError status(const fs::path& path, FileStatus& status) override {
    return statusOf(path, false, status);
  }

  FileError resolvedStatus(const fs::path& path, FileStatus& status) override {
    return statusOf(path, true, status);
  }

  FileError openForReading(const fs::path& path, Handle& handle) override {
    FileError error;
    const HANDLE h = openRegular(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL, error);
    return opened(h, error, handle);
  }

  FileError createNew(const fs::path& path, Handle& handle) override {
    // CREATE_NEW fails on anything at the path, a link included. DELETE lets the writer
    // remove it through this handle while it is open, should the write be broken off.
    FileError error;
    const HANDLE h = openFile(path, GENERIC_WRITE | DELETE, FILE_SHARE_READ, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, error);
    return opened(h, error, handle);
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

  // Holes are not looked for: the whole file counts as data, and a copy is written whole.
  FileError findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                     std::uint64_t& dataEnd) override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(handle), &size)) return lastError();
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(from);
    if (!SetFilePointerEx(handleOf(handle), at, nullptr, FILE_BEGIN)) return lastError();
    dataAt = from;
    dataEnd = std::max(from, static_cast<std::uint64_t>(size.QuadPart));
    return FileError::None;
  }

  FileError growTo(Handle handle, std::uint64_t size) override {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(handleOf(handle), end, nullptr, FILE_BEGIN) ||
        !SetEndOfFile(handleOf(handle))) {
      return lastError();
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
    DWORD code = ERROR_SUCCESS;
    const HANDLE look = openToLookAt(path, false, code);
    if (look == INVALID_HANDLE_VALUE) return errorOf(code);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(look, &info);
    CloseHandle(look);
    if (!known) return lastError();
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
      return FileError::NotRegular;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return FileError::Permission;
    FileError error;
    const HANDLE h = openRegular(path, GENERIC_WRITE, FILE_FLAG_OPEN_REPARSE_POINT, error);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return error;
  }

  // Like the mode, ACL and extended attributes on Linux: kept where the process may, and
  // silently left where it may not, as the new content matters more than they do.
  void takeAttributesOf(Handle file, const fs::path& like) override {
    FileError error;
    const HANDLE old =
        openRegular(like, READ_CONTROL | GENERIC_READ, FILE_FLAG_OPEN_REPARSE_POINT, error);
    if (old == INVALID_HANDLE_VALUE) return;
    copySecurity(old, handleOf(file));
    copyStreams(old, handleOf(file));
    copyMarks(old, handleOf(file));
    CloseHandle(old);
  }

  FileError replace(const fs::path& from, const fs::path& to) override {
    const std::optional<Held> a = heldPlace(from), b = heldPlace(to);
    if (a && b) return renameHeld(*a, *b, true);
    return MoveFileExW(unlimited(from).c_str(), unlimited(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? FileError::None
               : lastError();
  }

  FileError renameNew(const fs::path& from, const fs::path& to) override {
    const std::optional<Held> a = heldPlace(from), b = heldPlace(to);
    if (a && b) return renameHeld(*a, *b, false);
    return MoveFileExW(unlimited(from).c_str(), unlimited(to).c_str(), MOVEFILE_WRITE_THROUGH)
               ? FileError::None
               : lastError();
  }

  FileError remove(const fs::path& path) override {
    if (const std::optional<Held> at = heldPlace(path)) return removeHeld(*at);
    return DeleteFileW(unlimited(path).c_str()) ? FileError::None : lastError();
  }

  // Renames are written through (MOVEFILE_WRITE_THROUGH); there is nothing more to push.
  FileError syncFolder(const fs::path&) override { return FileError::None; }

  FileError createFolders(const fs::path& folder) override {
    if (const std::optional<Held> at = heldPlace(folder)) return createFoldersHeld(*at);
    // The missing folders of the path one by one, each named in the form its length needs.
    fs::path made;
    for (const fs::path& part : folder) {
      made /= part;
      if (!made.has_relative_path()) continue;
      const std::wstring name = unlimited(made);
      if (const DWORD attributes = GetFileAttributesW(name.c_str());
          attributes != INVALID_FILE_ATTRIBUTES) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return FileError::NotRegular;
        continue;
      }
      if (!CreateDirectoryW(name.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return lastError();
      }
    }
    return FileError::None;
  }

  FileError list(const fs::path& folder, std::vector<fs::path>& names) override {
    names.clear();
    if (const std::optional<Held> at = heldPlace(folder)) return listHeld(*at, names);
    // One separator before the pattern: the long form takes a doubled one literally.
    std::wstring pattern = unlimited(folderOrCurrent(folder));
    if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry;
    const HANDLE found = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                          FindExSearchNameMatch, nullptr, 0);
    if (found == INVALID_HANDLE_VALUE) return lastError();
    do {
      const std::wstring name = entry.cFileName;
      if (name != L"." && name != L"..") names.emplace_back(name);
    } while (FindNextFileW(found, &entry));
    const DWORD code = GetLastError();
    FindClose(found);
    return code == ERROR_NO_MORE_FILES ? FileError::None : errorOf(code);
  }

  std::unique_ptr<FolderHold> holdFolder(const fs::path& folder) override {
    // Shared for every use, deleting and renaming included, as the user's own folder
    // must stay his to move: a folder moved away is noticed at the close.
    const HANDLE handle = CreateFileW(
        unlimited(folder).c_str(), FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES,
        kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return heldFolders().hold(folder, reinterpret_cast<std::intptr_t>(handle), closeFolder);
  }

  FileError heldFolderInPlace(const fs::path& folder) override {
    const std::shared_ptr<const HeldFolder> held = heldFolders().heldAt(folder);
    if (!held) return FileError::NotFound;
    // A folder removed while held is only marked for deletion, and its path opens no more.
    FILE_STANDARD_INFO standard{};
    if (GetFileInformationByHandleEx(reinterpret_cast<HANDLE>(held->handle), FileStandardInfo,
                                     &standard, sizeof standard) &&
        standard.DeletePending) {
      return FileError::NotFound;
    }
    const HANDLE named = CreateFileW(unlimited(held->path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) return FileError::NotFound;
    const bool same = sameFile(reinterpret_cast<HANDLE>(held->handle), named);
    CloseHandle(named);
    return same ? FileError::None : FileError::NotFound;
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

namespace {

// The path the system knows the file or folder at `path` by, a link at its end not followed.
std::optional<fs::path> finalPath(const fs::path& path) {
  const HANDLE handle =
      CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring name(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(
      handle, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(handle);
  if (length == 0 || length >= name.size()) return std::nullopt;
  name.resize(length);
  return pathAsWritten(name);
}

}  // namespace

fs::path pathAsWritten(const fs::path& path) {
  const std::wstring& name = path.native();
  if (name.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + name.substr(8);
  if (name.starts_with(L"\\\\?\\")) return name.substr(4);
  // "\\.\C:\x" is the file "C:\x" too, read as the system reads that; "\\.\COM1" or
  // "\\.\pipe\x" stays a device's name.
  if (name.starts_with(L"\\\\.\\UNC\\")) return L"\\\\" + name.substr(8);
  if (name.size() >= 7 && name.starts_with(L"\\\\.\\") && name[5] == L':' &&
      (name[6] == L'\\' || name[6] == L'/') && std::iswalpha(name[4])) {
    return name.substr(4);
  }
  return path;
}

fs::path pathAsKept(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(pathAsWritten(path), error).lexically_normal();
  if (std::optional<fs::path> kept = finalPath(absolute)) return *kept;
  std::wstring name = absolute.filename().wstring();
  name.erase(name.find_last_not_of(L". ") + 1);
  const std::optional<fs::path> folder = finalPath(absolute.parent_path());
  return folder.value_or(absolute.parent_path()) / name;
}

fs::path userDataFolder() {
  PWSTR folder = nullptr;
  fs::path result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) result = folder;
  CoTaskMemFree(folder);
  return result;
}

}  // namespace zarq
