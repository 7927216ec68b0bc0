#pragma once
// The editor's desktop on Windows, one object with its window: the window of class "Zarq
// Radoziro Settings", a fixed caption window of outer size 960 x 720 that accepts dropped
// files and shows the top-left of the frame, every message it handles handed to the form's
// window events; message boxes and the system's file and folder pickers owned by it, the
// clipboard, the default beep, the system caret and the input method's composition window,
// the foreground window and turns of the thread's message queue, accelerators first.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/win32/accelerator_table.h"
#include "platform/desktop.h"

namespace zarq {
struct SettingsForm;
class WindowLoop;
}  // namespace zarq

namespace zarq::win32 {

class GdiplusFrame;

inline constexpr wchar_t kWindowClass[] = L"Zarq Radoziro Settings";

class Win32Host final : public Desktop {
 public:
  // The save and open dialogs always start in `workFolder`, the editor's folder, where its
  // files are. Until a window is created the dialogs have no owner.
  explicit Win32Host(std::filesystem::path workFolder);
  ~Win32Host() override;

  // Registers the class and creates the window titled `title`, hidden, showing `frame` and
  // its events going to `loop`; false when Windows refuses either.
  bool create(HINSTANCE instance, const std::wstring& title, SettingsForm& form, WindowLoop& loop,
              GdiplusFrame& frame);
  HWND handle() const { return window_; }

  // MessageBoxW with Chinese buttons.
  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  // GetSaveFileNameW, GetOpenFileNameW and SHBrowseForFolderW.
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  // Presses Cancel (No, OK where there is none) in every dialog of the window's thread.
  void closeDialogs() override;
  ClipboardText clipboardText() override;
  void setClipboardText(TextView text) override;
  void beep() override;
  // The system caret and the input method's composition window.
  void setCaretPos(int x, int y, int height) override;
  void dropComposition() override;
  bool isForeground() override;
  // The system's colours while high contrast is on (SPI_GETHIGHCONTRAST).
  Palette palette() override;
  // Through a change notification of the folder, waited on by a thread of its own; the watch
  // ends when the window is destroyed.
  bool watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // The messages of the thread's queue, accelerators translated for the window.
  bool handleEvents(int waitMs) override;
  void wake() override;
  void closeWindow() override;

 private:
  class FolderWatch;

  std::optional<std::filesystem::path> chooseFile(bool save, TextView filterName, TextView pattern);
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The messages of the editor; false for those left to DefWindowProcW.
  bool handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Sizes the window for the monitor's DPI, the desktop's text size and the user's zoom,
  // scaled down to fit the monitor's work area, at `at` or where it is, moved inside the work
  // area; the frame is drawn at that scale. `zoomPercent` is the user's zoom from here on.
  void fitToScreen(UINT dpi, std::optional<POINT> at, std::optional<int> zoomPercent = {});
  void showFrame();
  void dropFiles(HDROP drop);

  DWORD windowThread_;
  std::filesystem::path workFolder_;
  AcceleratorTable accelerators_;
  std::unique_ptr<FolderWatch> folderWatch_;
  HWND window_ = nullptr;
  SettingsForm* form_ = nullptr;
  WindowLoop* loop_ = nullptr;
  GdiplusFrame* frame_ = nullptr;
  // Shift+F10 went down and is the editor's: its release is too, whichever key comes up first.
  bool helpF10Down_ = false;
};

}  // namespace zarq::win32
