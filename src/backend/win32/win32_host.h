#pragma once
// The editor's side effects on Windows: message boxes and the system's file and folder
// pickers owned by the window, the clipboard, the default beep, the system caret and the
// input method's composition window, the run-time clock and the foreground window.

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/platform.h"

namespace zarq::win32 {

class Win32Host final : public Host {
 public:
  // The save and open dialogs always start in `workFolder`, the editor's folder, where its
  // files are.
  explicit Win32Host(std::filesystem::path workFolder);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

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
  void setClipboardText(TextView text) override;
  void beep() override;
  void setCaretPos(int x, int y) override;
  std::int32_t clockMs() override;
  bool isForeground() override;
  void postToWindowThread(int delayMs, std::function<void()> task) override;
  void runLongWork(const std::function<void()>& work, const std::function<void()>& paint) override;
  // Where the screen readers' changes go: the window's WinEvents.
  void onAnnounce(std::function<void(const AccessibleEvent&)> listener) {
    announced_ = std::move(listener);
  }
  void announce(const AccessibleEvent& event) override {
    if (announced_) announced_(event);
  }
  // The system's colours while high contrast is on (SPI_GETHIGHCONTRAST).
  Palette palette() override;
  int zoomTo(int percent) override;
  // How the window takes a new zoom of the form.
  void onZoom(std::function<int(int)> apply) { applyZoom_ = std::move(apply); }
  bool longWorkRunning() const override { return longWorkDepth_ > 0; }
  // Through a change notification of the folder, waited on by a thread of its own; the watch
  // ends when the window is detached.
  void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // Presses Cancel (No, OK where there is none) in every dialog of the window's thread, and
  // answers every one opened later as closed without showing it.
  void dismissDialogs() override;

  // How the window's loop hands a message on (accelerators first); the loop that runs while
  // long work goes on hands its messages on the same way.
  void setDispatcher(std::function<void(MSG&)> dispatch) { dispatch_ = std::move(dispatch); }
  // True while a message box, a dialog or long work runs a loop of its own.
  bool modalRunning() const { return modalDepth_ > 0; }

  // The window's message and timer that say posted work may be due: the window hands both
  // to runPosted().
  static constexpr UINT kPostedMessage = WM_APP + 1;
  static constexpr UINT_PTR kPostedTimer = 1;
  // Runs the posted work that is due, in the order it was posted, unless a message box or
  // dialog is open (then it waits until that closes); work not yet due gets a timer. Only
  // on the window's thread.
  void runPosted();

 private:
  std::optional<std::filesystem::path> chooseFile(bool save, TextView filterName, TextView pattern);
  // Runs a message box or dialog, which runs a loop of its own: posted work waits meanwhile.
  template <typename Dialog>
  auto modal(Dialog dialog);
  // Asks the window's thread to look at the posted work.
  void wakeWindow();

  class FolderWatch;

  struct Posted {
    ULONGLONG due;
    std::function<void()> task;
  };
  std::mutex postedMutex_;  // guards posted_ and, for other threads, window_
  std::deque<Posted> posted_;
  int modalDepth_ = 0;
  int longWorkDepth_ = 0;
  std::function<void(MSG&)> dispatch_;
  std::filesystem::path workFolder_;
  HWND window_ = nullptr;
  std::function<void(const AccessibleEvent&)> announced_;
  float scale_ = 1;
  std::optional<POINT> caret_;
  std::function<int(int)> applyZoom_;
  bool dismissing_ = false;
  std::unique_ptr<FolderWatch> folderWatch_;
};

}  // namespace zarq::win32
