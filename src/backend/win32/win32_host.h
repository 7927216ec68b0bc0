#pragma once
// The editor's desktop on Windows: message boxes and the system's file and folder pickers
// owned by the window, the clipboard, the default beep, the system caret and the input
// method's composition window, the foreground window and turns of the thread's message queue,
// accelerators first.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "platform/desktop.h"

namespace zarq::win32 {

class Win32Host final : public Desktop {
 public:
  // The save and open dialogs always start in `workFolder`, the editor's folder, where its
  // files are.
  explicit Win32Host(std::filesystem::path workFolder);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  // The window that owns every dialog and whose caret follows the field's; null before the
  // window exists and after it is destroyed.
  void attach(HWND window);
  void detach() { attach(nullptr); }
  // The window's accelerator table, translated before its messages are dispatched.
  void useAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }

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
  bool isForeground() override;
  // The system's colours while high contrast is on (SPI_GETHIGHCONTRAST).
  Palette palette() override;
  // Through a change notification of the folder, waited on by a thread of its own; the watch
  // ends when the window is detached.
  void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // The messages of the thread's queue, accelerators translated for the window.
  bool handleEvents(int waitMs) override;
  void wake() override;
  void closeWindow() override;

 private:
  std::optional<std::filesystem::path> chooseFile(bool save, TextView filterName, TextView pattern);

  class FolderWatch;

  DWORD windowThread_;
  std::filesystem::path workFolder_;
  HWND window_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::unique_ptr<FolderWatch> folderWatch_;
};

}  // namespace zarq::win32
