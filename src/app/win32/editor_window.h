#pragma once
// The editor's one window: class "Zarq Radoziro Settings", a fixed caption window of outer
// size 960 x 720 that accepts dropped files, showing the top-left of the frame. Every
// message it handles is handed to the form's window events.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/platform.h"

namespace zarq {
struct SettingsForm;
class WindowLoop;
}  // namespace zarq

namespace zarq::win32 {

class GdiplusFrame;
class Win32Host;

inline constexpr wchar_t kWindowClass[] = L"Zarq Radoziro Settings";

class EditorWindow {
 public:
  // Its events go to `loop`.
  EditorWindow(SettingsForm& form, WindowLoop& loop, GdiplusFrame& frame, Win32Host& host);
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Registers the class and creates the window titled `title`, hidden; false when Windows
  // refuses either.
  bool create(HINSTANCE instance, const std::wstring& title);
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The messages of the editor; false for those left to DefWindowProcW.
  bool handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Sizes the window for the monitor's DPI, the desktop's text size and the user's zoom,
  // scaled down to fit the monitor's work area, at `at` or where it is, moved inside the work
  // area; the frame is drawn at that scale. `zoomPercent` is the user's zoom from here on.
  void fitToScreen(UINT dpi, std::optional<POINT> at, std::optional<int> zoomPercent = {});
  void showFrame();
  void dropFiles(HDROP drop);
  // Client pixels of the window to the frame's logical pixels.
  int logical(int devicePixels) const;

  SettingsForm& form_;
  WindowLoop& loop_;
  GdiplusFrame& frame_;
  Win32Host& host_;
  HWND window_ = nullptr;
  // Shift+F10 went down and is the editor's: its release is too, whichever key comes up first.
  bool helpF10Down_ = false;
};

}  // namespace zarq::win32
