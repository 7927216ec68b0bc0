#include "app/win32/start_places.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <string>

namespace zarq::win32 {
namespace {

std::filesystem::path knownFolder(REFKNOWNFOLDERID id) {
  std::filesystem::path folder;
  PWSTR path = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::filesystem::path programFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

// The folder the installer keeps in the registry for the user it installed for.
std::filesystem::path installFolder() {
  constexpr wchar_t kKey[] = L"Software\\Zarq Radoziro\\Settings";
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"InstallDir", RRF_RT_REG_SZ, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring folder(bytes / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"InstallDir", RRF_RT_REG_SZ, nullptr, folder.data(),
                   &bytes) != ERROR_SUCCESS) {
    return {};
  }
  folder.resize(wcsnlen(folder.c_str(), folder.size()));
  return folder;
}

}  // namespace

StartPlaces windowsStartPlaces(std::error_code& error) {
  StartPlaces places{std::filesystem::current_path(error), knownFolder(FOLDERID_Profile),
                     knownFolder(FOLDERID_RoamingAppData)};
  places.userFolders = {knownFolder(FOLDERID_Desktop), knownFolder(FOLDERID_Documents)};
  places.programFolder = programFolder();
  places.installFolder = installFolder();
  return places;
}

}  // namespace zarq::win32
