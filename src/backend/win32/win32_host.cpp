#include "backend/win32/win32_host.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <imm.h>
#include <shlobj.h>
// clang-format on

#include <algorithm>
#include <thread>
#include <vector>

#include "backend/win32/chinese_buttons.h"
#include "backend/win32/wide_text.h"

namespace zarq::win32 {
namespace {

// The file dialogs' name buffer, in UTF-16 units.
constexpr DWORD kFileNameCapacity = 2000;

// A filter of one name and one pattern, each ended by a zero, the list by another.
std::wstring filterOf(TextView name, TextView pattern) {
  std::wstring filter = wide(name);
  filter.push_back(L'\0');
  filter += wide(pattern);
  filter.push_back(L'\0');
  return filter;
}

// Presses the button of a dialog that answers it as closed.
BOOL CALLBACK closeDialog(HWND window, LPARAM) {
  if (!isDialog(window)) return TRUE;
  const int button = GetDlgItem(window, IDCANCEL) ? IDCANCEL
                     : GetDlgItem(window, IDNO)   ? IDNO
                                                  : IDOK;
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
  return TRUE;
}

// What the user did with a message box, as the window loop counts it.
MessageAnswer answerOf(int pressed) {
  switch (pressed) {
    case IDOK:
      return MessageAnswer::Ok;
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Cancel;
  }
}

}  // namespace

// A thread waits on the folder's change notification and on a stop event; each change is
// told through `changed`, which posts to the window's thread.
class Win32Host::FolderWatch {
 public:
  FolderWatch(const std::filesystem::path& folder, std::function<void()> changed)
      : changed_(std::move(changed)),
        change_(FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                             FILE_NOTIFY_CHANGE_FILE_NAME |
                                                 FILE_NOTIFY_CHANGE_SIZE |
                                                 FILE_NOTIFY_CHANGE_LAST_WRITE)),
        stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (change_ == INVALID_HANDLE_VALUE || !stop_) return;
    thread_ = std::thread([this] {
      const HANDLE handles[] = {stop_, change_};
      while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        changed_();
        if (!FindNextChangeNotification(change_)) break;
      }
    });
  }
  ~FolderWatch() {
    if (thread_.joinable()) {
      SetEvent(stop_);
      thread_.join();
    }
    if (change_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change_);
    if (stop_) CloseHandle(stop_);
  }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

 private:
  std::function<void()> changed_;
  HANDLE change_;
  HANDLE stop_;
  std::thread thread_;
};

Win32Host::Win32Host(std::filesystem::path workFolder)
    : windowThread_(GetCurrentThreadId()), workFolder_(std::move(workFolder)) {}

Win32Host::~Win32Host() = default;

void Win32Host::watchFolder(const std::filesystem::path& folder, std::function<void()> changed) {
  folderWatch_.reset();
  folderWatch_ = std::make_unique<FolderWatch>(folder, std::move(changed));
}

void Win32Host::closeDialogs() { EnumThreadWindows(GetCurrentThreadId(), closeDialog, 0); }

void Win32Host::attach(HWND window) {
  window_ = window;
  if (!window) folderWatch_.reset();
}

MessageAnswer Win32Host::messageBox(TextView text, TextView title, MessageButtons buttons) {
  // The system's own buttons and ids, so that their captions come from one place.
  const UINT type = buttons == MessageButtons::YesNo         ? MB_YESNO
                    : buttons == MessageButtons::YesNoCancel ? MB_YESNOCANCEL
                                                             : MB_OK;
  const ChineseButtons chinese;
  // Escape and the close box give IDCANCEL.
  return answerOf(MessageBoxW(window_, wide(text).c_str(), wide(title).c_str(), type));
}

std::optional<std::filesystem::path> Win32Host::chooseFile(bool save, TextView filterName,
                                                           TextView pattern) {
  std::vector<wchar_t> name(kFileNameCapacity, L'\0');
  // A folder given as the start of the name is where the dialog opens, every time; given as
  // the initial folder it would be, from Windows 7 on, only the first time, and afterwards
  // the folder last used in any of the editor's file dialogs.
  std::wstring folder = workFolder_.wstring();
  // A drive's root ends in a separator already.
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  if (folder.size() < name.size()) std::copy(folder.begin(), folder.end(), name.begin());
  const std::wstring filter = filterOf(filterName, pattern);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = kFileNameCapacity;
  // The editor asks its own questions about existing files and adds its own extension; the
  // process's current folder stays where it is.
  dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return std::filesystem::path(name.data());
}

std::optional<std::filesystem::path> Win32Host::chooseSaveFile(TextView filterName,
                                                               TextView pattern) {
  return chooseFile(true, filterName, pattern);
}

std::optional<std::filesystem::path> Win32Host::chooseOpenFile(TextView filterName,
                                                               TextView pattern) {
  return chooseFile(false, filterName, pattern);
}

std::optional<std::filesystem::path> Win32Host::chooseFolder(TextView prompt) {
  const std::wstring title = wide(prompt);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = window_;
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  // With a button for a new folder: the recorder's folder may not exist yet.
  browse.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return std::nullopt;
  wchar_t folder[MAX_PATH] = {};
  const BOOL isPath = SHGetPathFromIDListW(chosen, folder);
  CoTaskMemFree(chosen);
  // A choice that is no folder of the file system (a printer, the network) is no choice.
  if (!isPath) return std::nullopt;
  return std::filesystem::path(folder);
}

ClipboardText Win32Host::clipboardText() {
  if (!OpenClipboard(window_)) return {ClipboardText::Status::Unavailable, {}};
  ClipboardText result{ClipboardText::Status::NoText, {}};
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
    if (!units) {
      result.status = ClipboardText::Status::LockFailed;
    } else {
      // Up to the terminator, and never past the memory the clipboard holds.
      const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      std::size_t length = 0;
      while (length < capacity && units[length] != L'\0') ++length;
      result = {ClipboardText::Status::Text, textFromWide({units, length})};
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return result;
}

void Win32Host::setClipboardText(TextView text) {
  if (!OpenClipboard(window_)) return;
  EmptyClipboard();
  // The clipboard owns the memory once SetClipboardData takes it; until then it is ours.
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    if (auto* units = static_cast<wchar_t*>(GlobalLock(memory))) {
      std::copy(text.begin(), text.end(), units);
      units[text.size()] = L'\0';
      GlobalUnlock(memory);
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void Win32Host::beep() { MessageBeep(0); }

namespace {

Argb argbOf(COLORREF colour) {
  return 0xFF000000 | static_cast<Argb>(GetRValue(colour)) << 16 |
         static_cast<Argb>(GetGValue(colour)) << 8 | GetBValue(colour);
}

}  // namespace

Palette Win32Host::palette() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) ||
      !(contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    return {};
  }
  return {true, argbOf(GetSysColor(COLOR_WINDOWTEXT)), argbOf(GetSysColor(COLOR_WINDOW)),
          argbOf(GetSysColor(COLOR_GRAYTEXT))};
}

void Win32Host::setCaretPos(int x, int y, int) {
  if (!window_) return;
  const POINT caret{x, y};
  SetCaretPos(x, y);
  if (HIMC context = ImmGetContext(window_)) {
    COMPOSITIONFORM composition{};
    composition.dwStyle = CFS_POINT;
    composition.ptCurrentPos = caret;
    ImmSetCompositionWindow(context, &composition);
    ImmReleaseContext(window_, context);
  }
}

bool Win32Host::isForeground() { return window_ && GetForegroundWindow() == window_; }

bool Win32Host::handleEvents(int waitMs) {
  if (waitMs != 0) {
    MsgWaitForMultipleObjectsEx(0, nullptr, waitMs < 0 ? INFINITE : static_cast<DWORD>(waitMs),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  bool handled = false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.hwnd == nullptr) continue;  // a wake
    handled = true;
    if (!window_ || !TranslateAcceleratorW(window_, accelerators_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return handled;
}

void Win32Host::wake() { PostThreadMessageW(windowThread_, WM_NULL, 0, 0); }

void Win32Host::closeWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace zarq::win32
