#include "app/win32/win32_host.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <imm.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <thread>
#include <vector>

#include "app/win32/console_end.h"
#include "app/win32/key_strokes.h"
#include "app/win32/resource_ids.h"
#include "app/win32/window_metrics.h"
#include "backend/win32/chinese_buttons.h"
#include "backend/win32/gdiplus_frame.h"
#include "backend/win32/msaa_page.h"
#include "backend/win32/owned_handle.h"
#include "backend/win32/wide_text.h"
#include "editor/accessible_page.h"
#include "editor/window_events.h"
#include "editor/window_loop.h"
#include "editor/window_scale.h"
#include "form/settings_form.h"

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
  return pressed == IDOK    ? MessageAnswer::Ok
         : pressed == IDYES ? MessageAnswer::Yes
         : pressed == IDNO  ? MessageAnswer::No
                            : MessageAnswer::Cancel;
}

bool held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

KeyStroke strokeNow(WPARAM virtualKey) {
  return keyStrokeOf(virtualKey, held(VK_SHIFT), held(VK_CONTROL));
}

// What the input method is composing, or nothing.
Text compositionOf(HWND window) {
  HIMC context = ImmGetContext(window);
  if (!context) return {};
  const LONG bytes = ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0);
  std::wstring units(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
  if (!units.empty()) {
    ImmGetCompositionStringW(context, GCS_COMPSTR, units.data(), static_cast<DWORD>(bytes));
  }
  ImmReleaseContext(window, context);
  return Text(units.begin(), units.end());
}

}  // namespace

// A thread waits on the folder's change notification and on a stop event; each change is
// told through `changed`, which posts to the window's thread.
class Win32Host::FolderWatch {
 public:
  FolderWatch(const std::filesystem::path& folder, std::function<void()> changed)
      : changed_(std::move(changed)), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    const HANDLE change = FindFirstChangeNotificationW(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (change == INVALID_HANDLE_VALUE) return;
    change_.reset(change);
    if (!stop_) return;
    thread_ = std::thread([this] {
      const HANDLE handles[] = {stop_.get(), change_.get()};
      while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        changed_();
        if (!FindNextChangeNotification(change_.get())) break;
      }
    });
  }
  ~FolderWatch() {
    if (!watching()) return;
    SetEvent(stop_.get());
    thread_.join();
  }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  bool watching() const { return thread_.joinable(); }

 private:
  std::function<void()> changed_;
  OwnedHandle<HANDLE, CloseHandle> stop_;
  OwnedHandle<HANDLE, FindCloseChangeNotification> change_;
  std::thread thread_;
};

Win32Host::Win32Host(std::filesystem::path workFolder)
    : windowThread_(GetCurrentThreadId()),
      workFolder_(std::move(workFolder)),
      accelerators_(makeAcceleratorTable()) {}

Win32Host::~Win32Host() = default;

bool Win32Host::watchFolder(const std::filesystem::path& folder, std::function<void()> changed) {
  folderWatch_.reset();
  folderWatch_ = std::make_unique<FolderWatch>(folder, std::move(changed));
  return folderWatch_->watching();
}

void Win32Host::closeDialogs() { EnumThreadWindows(GetCurrentThreadId(), closeDialog, 0); }

MessageAnswer Win32Host::messageBox(TextView text, TextView title, MessageButtons buttons) {
  // The system's own buttons and ids, so that their captions come from one place.
  const UINT type = buttons == MessageButtons::YesNo         ? MB_YESNO
                    : buttons == MessageButtons::YesNoCancel ? MB_YESNOCANCEL
                                                             : MB_OK;
  const ChineseButtons chinese = chineseButtons();
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
  // A text the owner renders only when asked would wait on an owner that has hung for as
  // long as it hangs: one that does not answer in time is not asked.
  if (const HWND owner = GetClipboardOwner();
      owner && owner != window_ &&
      !SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kClipboardWaitMs,
                           nullptr)) {
    return {ClipboardText::Status::LockFailed, {}};
  }
  if (!OpenClipboard(window_)) return {ClipboardText::Status::Unavailable, {}};
  ClipboardText result{ClipboardText::Status::NoText, {}};
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
    if (!units) {
      result.status = ClipboardText::Status::LockFailed;
    } else {
      // Up to the terminator, and never past the memory the clipboard holds.
      const std::size_t length = wcsnlen(units, GlobalSize(data) / sizeof(wchar_t));
      result = {ClipboardText::Status::Text, Text(units, units + length)};
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

// Cancelled, not completed: a completed composition's text would arrive as characters after
// the edited field has already changed, in the next one.
void Win32Host::dropComposition() {
  if (!window_) return;
  if (HIMC context = ImmGetContext(window_)) {
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
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
    if (!window_ || !TranslateAcceleratorW(window_, accelerators_.get(), &message)) {
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

bool Win32Host::create(HINSTANCE instance, const std::wstring& title, SettingsForm& form,
                       WindowLoop& loop, GdiplusFrame& frame) {
  form_ = &form;
  loop_ = &loop;
  frame_ = &frame;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ZARQ_ICON));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass)) return false;
  window_ =
      CreateWindowExW(kWindowExStyle, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, kOuterWidth, kOuterHeight, nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

LRESULT CALLBACK Win32Host::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Host*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_GETOBJECT) {
    // Screen readers ask for the page's controls.
    const LRESULT answer = answerGetObject(window, wParam, lParam, accessibleSource(*self->form_));
    if (answer) return answer;
  }
  if (self && self->handle(message, wParam, lParam)) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Host::fitToScreen(UINT dpi, std::optional<POINT> at, std::optional<int> zoomPercent) {
  const SIZE client = baseClientSize();
  const SIZE frame = frameSizeAt(dpi);
  const RECT work = workAreaOf(window_);
  const ScreenRoom room{scaleOf(dpi) * desktopTextScale(), double(client.cx), double(client.cy),
                        double(work.right - work.left - frame.cx),
                        double(work.bottom - work.top - frame.cy)};
  const auto scale = static_cast<float>(loop_->fit(*form_, room, zoomPercent));
  frame_->setScale(scale);
  const SIZE outer = outerSizeFor(scale, dpi);
  if (!at) {
    RECT now;
    GetWindowRect(window_, &now);
    at = POINT{now.left, now.top};
  }
  SetWindowPos(window_, nullptr, placeWithin(at->x, outer.cx, work.left, work.right),
               placeWithin(at->y, outer.cy, work.top, work.bottom), outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Host::showFrame() {
  HDC dc = GetDC(window_);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = frame_->width();
  info.bmiHeader.biHeight = -frame_->height();  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, frame_->width(), frame_->height(), 0, 0, 0, frame_->height(),
                    frame_->shownPixels(), &info, DIB_RGB_COLORS);
  ReleaseDC(window_, dc);
}

void Win32Host::dropFiles(HDROP drop) {
  std::vector<std::filesystem::path> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    paths.emplace_back(name);
  }
  DragFinish(drop);
  loop_->drop(*form_, std::move(paths));
}

bool Win32Host::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      onZoom([this](int percent) {
        fitToScreen(GetDpiForWindow(window_), std::nullopt, percent);
        // The zoom kept from the last run comes before the window shows: its first frame
        // is drawn then.
        if (IsWindowVisible(window_)) onPaint(*form_);
        return loop_->shownZoom();
      });
      fitToScreen(GetDpiForWindow(window_), std::nullopt);
      // Every WM_PAINT draws a frame anew: one let go at rest is never missed.
      frame_->onPresent([this] {
        showFrame();
        loop_->framePresented([this] { frame_->letGo(); });
      });
      onAnnounce([this](const AccessibleEvent& event) { notifyWinEvent(window_, event); });
      return true;
    }
    case WM_ENDSESSION:
      // Windows is logging off or shutting down and ends the process after this returns, a
      // dialog perhaps still open, with a status of its own: the form is saved now, and the
      // process ends here with the status that says whether "save.set" was written.
      if (!wParam) return true;
      if (const std::optional<int> status = loop_->endSessionNow(*form_)) {
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(*status));
      }
      return true;
    case WM_CLOSE:
      loop_->closeBox(*form_);
      return true;
    case kEndSessionMessage:
      loop_->endSession(*form_, 0);
      return true;
    case WM_DESTROY:
      frame_->onPresent(nullptr);
      folderWatch_.reset();
      window_ = nullptr;
      loop_->windowGone();
      return true;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: the same logical size where Windows suggests.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      fitToScreen(HIWORD(wParam), POINT{suggested->left, suggested->top});
      onPaint(*form_);
      return true;
    }
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      // The text size, the work area or high contrast may have changed.
      fitToScreen(GetDpiForWindow(window_), std::nullopt);
      onPaint(*form_);
      return false;
    case WM_SYSCOLORCHANGE:
      onPaint(*form_);
      return false;
    case WM_SETFOCUS:
      CreateCaret(window_, nullptr, 0, 0);
      // The new caret starts at the origin: the next frame places it afresh.
      loop_->placeCaretAgain();
      onFocusGained(*form_);
      return true;
    case WM_KILLFOCUS:
      DestroyCaret();
      onFocusLost(*form_);
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window_, &paint);
      onPaint(*form_);
      EndPaint(window_, &paint);
      return true;
    }
    case WM_KEYDOWN:
      // A held caret key moves on at the keyboard's repeat rate; the first press waits for
      // the release.
      onKeyPressed(*form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return false;
    case WM_KEYUP:
      onKeyReleased(*form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_SYSKEYDOWN:
      // F10 is a system key: with Shift it asks for the focused control's help, so it must not
      // open the window menu; every other system key (Alt+F4 among them) is the system's.
      if (wParam != VK_F10 || !held(VK_SHIFT) || held(VK_MENU)) return false;
      helpF10Down_ = true;
      onKeyPressed(*form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_SYSKEYUP:
      // Shift may come up before F10 does: the release acts as the press went down.
      if (wParam != VK_F10 || !helpF10Down_) return false;
      helpF10Down_ = false;
      onKeyReleased(*form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_IME_SETCONTEXT:
      // The field draws the composition itself, at its caret.
      DefWindowProcW(window_, message, wParam, lParam & ~ISC_SHOWUICOMPOSITIONWINDOW);
      return true;
    case WM_IME_COMPOSITION:
      if (lParam & GCS_COMPSTR) onComposition(*form_, compositionOf(window_));
      if (lParam & GCS_RESULTSTR) onComposition(*form_, u"");
      return false;  // the committed text still comes as characters
    case WM_IME_ENDCOMPOSITION:
      onComposition(*form_, u"");
      return false;
    case WM_CHAR:
      onChar(*form_, static_cast<char16_t>(wParam));
      return true;
    case WM_COMMAND:
      loop_->shortcut(*form_, actionOfCommand(LOWORD(wParam)));
      return true;
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window_, HOVER_DEFAULT};
      TrackMouseEvent(&leave);
      loop_->pointerMoved(*form_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    }
    case WM_LBUTTONDOWN:
      loop_->buttonDown(*form_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    case WM_LBUTTONUP:
      loop_->buttonUp(*form_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    case WM_MOUSELEAVE:
      loop_->pointerLeft(*form_);
      return true;
    case WM_DROPFILES:
      dropFiles(reinterpret_cast<HDROP>(wParam));
      return true;
    default:
      return false;
  }
}

}  // namespace zarq::win32
