#include "app/win32/editor_window.h"

// clang-format off
#include <windows.h>
#include <imm.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include <cmath>
#include <filesystem>
#include <vector>

#include "app/win32/accelerator_table.h"
#include "app/win32/console_end.h"
#include "app/win32/key_strokes.h"
#include "app/win32/resource_ids.h"
#include "app/win32/window_metrics.h"
#include "backend/win32/gdiplus_frame.h"
#include "backend/win32/msaa_page.h"
#include "backend/win32/win32_host.h"
#include "editor/accessible_page.h"
#include "editor/window_events.h"
#include "editor/window_loop.h"
#include "editor/window_scale.h"
#include "form/settings_form.h"

namespace zarq::win32 {
namespace {

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

EditorWindow::EditorWindow(SettingsForm& form, WindowLoop& loop, GdiplusFrame& frame,
                           Win32Host& host)
    : form_(form), loop_(loop), frame_(frame), host_(host) {}

bool EditorWindow::create(HINSTANCE instance, const std::wstring& title) {
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

LRESULT CALLBACK EditorWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<EditorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_GETOBJECT) {
    // Screen readers ask for the page's controls.
    const AccessibleSource source{[self] { return describePage(self->form_); },
                                  [self](const ToolRequest& r) { onToolRequest(self->form_, r); }};
    if (const LRESULT answer = answerGetObject(window, wParam, lParam, source)) return answer;
  }
  if (self && self->handle(message, wParam, lParam)) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

int EditorWindow::logical(int devicePixels) const {
  return formCoordinate(devicePixels, frame_.scale());
}

void EditorWindow::fitToScreen(UINT dpi, std::optional<POINT> at, std::optional<int> zoomPercent) {
  const SIZE client = baseClientSize();
  const SIZE frame = frameSizeAt(dpi);
  const RECT work = workAreaOf(window_);
  const ScreenRoom room{scaleOf(dpi) * desktopTextScale(), double(client.cx), double(client.cy),
                        double(work.right - work.left - frame.cx),
                        double(work.bottom - work.top - frame.cy)};
  const auto scale = static_cast<float>(loop_.fit(form_, room, zoomPercent));
  frame_.setScale(scale);
  const SIZE outer = outerSizeFor(scale, dpi);
  if (!at) {
    RECT now;
    GetWindowRect(window_, &now);
    at = POINT{now.left, now.top};
  }
  const POINT place = placeInside(*at, outer, work);
  SetWindowPos(window_, nullptr, place.x, place.y, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditorWindow::showFrame() {
  HDC dc = GetDC(window_);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = frame_.width();
  info.bmiHeader.biHeight = -frame_.height();  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, frame_.width(), frame_.height(), 0, 0, 0, frame_.height(),
                    frame_.shownPixels(), &info, DIB_RGB_COLORS);
  ReleaseDC(window_, dc);
}

void EditorWindow::dropFiles(HDROP drop) {
  std::vector<std::filesystem::path> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    paths.emplace_back(name);
  }
  DragFinish(drop);
  loop_.drop(form_, std::move(paths));
}

bool EditorWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      host_.attach(window_);
      host_.onZoom([this](int percent) {
        fitToScreen(GetDpiForWindow(window_), std::nullopt, percent);
        // The zoom kept from the last run comes before the window shows: its first frame
        // is drawn then.
        if (IsWindowVisible(window_)) onPaint(form_);
        return loop_.shownZoom();
      });
      fitToScreen(GetDpiForWindow(window_), std::nullopt);
      frame_.onPresent([this] { showFrame(); });
      host_.onAnnounce([this](const AccessibleEvent& event) { notifyWinEvent(window_, event); });
      return true;
    }
    case WM_ENDSESSION:
      // Windows is logging off or shutting down and ends the process after this returns, a
      // dialog perhaps still open, with a status of its own: the form is saved now, and the
      // process ends here with the status that says whether "save.set" was written.
      if (!wParam) return true;
      if (const std::optional<int> status = loop_.endSessionNow(form_)) {
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(*status));
      }
      return true;
    case WM_CLOSE:
      loop_.closeBox(form_);
      return true;
    case kEndSessionMessage:
      loop_.endSession(form_, 0);
      return true;
    case WM_DESTROY:
      frame_.onPresent(nullptr);
      host_.detach();
      loop_.windowGone();
      return true;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: the same logical size where Windows suggests.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      fitToScreen(HIWORD(wParam), POINT{suggested->left, suggested->top});
      onPaint(form_);
      return true;
    }
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      // The text size, the work area or high contrast may have changed.
      fitToScreen(GetDpiForWindow(window_), std::nullopt);
      onPaint(form_);
      return false;
    case WM_SYSCOLORCHANGE:
      onPaint(form_);
      return false;
    case WM_SETFOCUS:
      CreateCaret(window_, nullptr, 0, 0);
      // The new caret starts at the origin: the next frame places it afresh.
      loop_.placeCaretAgain();
      onFocusGained(form_);
      return true;
    case WM_KILLFOCUS:
      DestroyCaret();
      onFocusLost(form_);
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window_, &paint);
      onPaint(form_);
      EndPaint(window_, &paint);
      return true;
    }
    case WM_KEYDOWN:
      // A held caret key moves on at the keyboard's repeat rate; the first press waits for
      // the release.
      onKeyPressed(form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return false;
    case WM_KEYUP:
      onKeyReleased(form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_SYSKEYDOWN:
      // F10 is a system key: with Shift it asks for the focused control's help, so it must not
      // open the window menu; every other system key (Alt+F4 among them) is the system's.
      if (wParam != VK_F10 || !held(VK_SHIFT) || held(VK_MENU)) return false;
      helpF10Down_ = true;
      onKeyPressed(form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_SYSKEYUP:
      // Shift may come up before F10 does: the release acts as the press went down.
      if (wParam != VK_F10 || !helpF10Down_) return false;
      helpF10Down_ = false;
      onKeyReleased(form_, static_cast<KeyCode>(wParam), strokeNow(wParam));
      return true;
    case WM_IME_SETCONTEXT:
      // The field draws the composition itself, at its caret.
      DefWindowProcW(window_, message, wParam, lParam & ~ISC_SHOWUICOMPOSITIONWINDOW);
      return true;
    case WM_IME_COMPOSITION:
      if (lParam & GCS_COMPSTR) onComposition(form_, compositionOf(window_));
      if (lParam & GCS_RESULTSTR) onComposition(form_, u"");
      return false;  // the committed text still comes as characters
    case WM_IME_ENDCOMPOSITION:
      onComposition(form_, u"");
      return false;
    case WM_CHAR:
      onChar(form_, static_cast<char16_t>(wParam));
      return true;
    case WM_COMMAND:
      loop_.shortcut(form_, actionOfCommand(LOWORD(wParam)));
      return true;
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window_, HOVER_DEFAULT};
      TrackMouseEvent(&leave);
      loop_.pointerMoved(form_, logical(GET_X_LPARAM(lParam)), logical(GET_Y_LPARAM(lParam)));
      return true;
    }
    case WM_LBUTTONDOWN:
      loop_.buttonDown(form_, logical(GET_X_LPARAM(lParam)), logical(GET_Y_LPARAM(lParam)));
      return true;
    case WM_LBUTTONUP:
      loop_.buttonUp(form_, logical(GET_X_LPARAM(lParam)), logical(GET_Y_LPARAM(lParam)));
      return true;
    case WM_MOUSELEAVE:
      loop_.pointerLeft(form_);
      return true;
    case WM_DROPFILES:
      dropFiles(reinterpret_cast<HDROP>(wParam));
      return true;
    default:
      return false;
  }
}

}  // namespace zarq::win32
