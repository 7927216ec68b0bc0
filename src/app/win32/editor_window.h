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
}

namespace zarq::win32 {

class GdiplusFrame;
class Win32Host;

inline constexpr wchar_t kWindowClass[] = L"Zarq Radoziro Settings";

class EditorWindow {
 public:
  EditorWindow(SettingsForm& form, GdiplusFrame& frame, Win32Host& host);
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Registers the class and creates the window titled `title`, which builds the form and
  // loads "save.set"; false when Windows refuses either.
  bool create(HINSTANCE instance, const std::wstring& title);
  HWND handle() const { return window_; }
  // Set once the window has been destroyed (the form is saved by then, or the user chose).
  bool quitRequested() const { return quitRequested_; }
  // False when the session ended and the form could not be saved to "save.set".
  bool savedInFolder() const { return savedInFolder_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The messages of the editor; false for those left to DefWindowProcW.
  bool handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Sizes the window for the monitor's DPI, the desktop's text size and the user's zoom,
  // scaled down to fit the monitor's work area, at `at` or where it is, moved inside the work
  // area; the frame is drawn at that scale. Returns the zoom shown: less than asked where the
  // screen has no room for more.
  int fitToScreen(UINT dpi, std::optional<POINT> at);
  void showFrame();
  void dropFiles(HDROP drop);
  // Windows ends the process once WM_ENDSESSION returns: the form is saved at once, with no
  // one asked (editor/closing.h), and the process ends, exit status 1 when "save.set" could
  // not be written.
  void closeForSessionEnd();
  // Client pixels of the window to the frame's logical pixels.
  int logical(int devicePixels) const;

  SettingsForm& form_;
  GdiplusFrame& frame_;
  Win32Host& host_;
  HWND window_ = nullptr;
  bool quitRequested_ = false;
  // Shift+F10 went down and is the editor's: its release is too, whichever key comes up first.
  bool helpF10Down_ = false;
  bool savedInFolder_ = true;
  int zoomPercent_ = 100;
};

}  // namespace zarq::win32
