#pragma once
// The editor's side effects on Windows: message boxes and the system's file and folder
// pickers owned by the window, the clipboard, the default beep, the system caret and the
// input method's composition window, the run-time clock and the foreground window.

#include <windows.h>

#include <optional>

#include "platform/platform.h"

namespace zarq::win32 {

class Win32Host final : public Host {
 public:
  // The window that owns every dialog and whose caret follows the field's; null before the
  // window exists and after it is destroyed. `scale` is the window's device pixels per
  // logical pixel.
  void attach(HWND window, float scale);
  void detach() { attach(nullptr, 1); }

  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  ClipboardText clipboardText() override;
  void beep() override;
  void setCaretPos(int x, int y) override;
  std::int32_t clockMs() override;
  bool isForeground() override;

 private:
  std::optional<std::filesystem::path> chooseFile(bool save, TextView filterName, TextView pattern);

  HWND window_ = nullptr;
  float scale_ = 1;
  std::optional<POINT> caret_;
};

}  // namespace zarq::win32
