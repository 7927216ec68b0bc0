// zarq-settings.exe on Windows.

// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/console_end.h"
#include "app/win32/win32_host.h"
#include "backend/win32/headless_platform.h"
#include "backend/win32/wide_text.h"
#include "common/utf.h"
#include "editor/editor_start.h"
#include "editor/window_loop.h"

namespace zarq::win32 {
namespace {

constexpr wchar_t kProductName[] = L"Zarq Radoziro 设置填写器";

// The arguments after the program's name, as Windows splits its command line.
std::vector<std::filesystem::path> commandLineArguments() {
  std::vector<std::filesystem::path> args;
  int count = 0;
  if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) args.push_back(pathAsWritten(argv[i]));
    LocalFree(argv);
  }
  return args;
}

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

// The folder picker's new style and the shell's dialogs want a single-threaded apartment,
// from the start to the end.
struct OleApartment {
  HRESULT started = E_FAIL;
  ~OleApartment() {
    if (SUCCEEDED(started)) OleUninitialize();
  }
};

class Win32Shell final : public EditorShell {
 public:
  Win32Shell(HINSTANCE instance, int showCommand)
      : instance_(instance), showCommand_(showCommand) {}

  // A program without a console says what it has to say in a message box.
  void say(const std::string& utf8, bool problem) override {
    MessageBoxW(nullptr, wide(fromUtf8(utf8)).c_str(), kProductName,
                MB_OK | (problem ? MB_ICONERROR : MB_ICONINFORMATION));
  }
  bool connect() override {
    ole_.started = OleInitialize(nullptr);
    return true;
  }
  // The current folder, the user's own folders, the folder the program lies in and the one
  // the installer put it in.
  StartPlaces startPlaces(std::error_code& error) override {
    StartPlaces places{std::filesystem::current_path(error), knownFolder(FOLDERID_Profile),
                       knownFolder(FOLDERID_RoamingAppData)};
    places.userFolders = {knownFolder(FOLDERID_Desktop), knownFolder(FOLDERID_Documents)};
    places.programFolder = programFolder();
    places.installFolder = installFolder();
    return places;
  }
  std::unique_ptr<Desktop> dialogsIn(const std::filesystem::path& folder) override {
    return std::make_unique<Win32Host>(folder);
  }
  // Another editor works in the folder: its window, titled with the folder's name, comes to
  // the front instead, or the message box it shows, which has the keyboard while it is open.
  bool showOtherEditor(TextView title) override {
    const HWND other = FindWindowW(kWindowClass, wide(title).c_str());
    if (other == nullptr) return false;
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    return SetForegroundWindow(GetLastActivePopup(other)) != 0;
  }
  Desktop& open(const std::filesystem::path& folder) override {
    drawing_.emplace();
    return host_.emplace(folder);
  }
  Platform platform(Host& host) override { return drawing_->platform(host); }
  bool createWindow(SettingsForm& form, WindowLoop& loop, TextView title) override {
    return host_->create(instance_, wide(title), form, loop, drawing_->frame);
  }
  void showWindow(SettingsForm&, WindowLoop&) override {
    ShowWindow(host_->handle(), showCommand_);
    UpdateWindow(host_->handle());
    console_.emplace(host_->handle());
  }

 private:
  OleApartment ole_;
  HINSTANCE instance_;
  int showCommand_;
  // What draws the window: GDI+ and its font, started and ended with it.
  std::optional<HeadlessPlatform> drawing_;
  std::optional<Win32Host> host_;
  std::optional<ConsoleEnd> console_;
};

}  // namespace
}  // namespace zarq::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  zarq::win32::Win32Shell shell(instance, showCommand);
  return zarq::runEditor(shell, zarq::win32::commandLineArguments());
}
