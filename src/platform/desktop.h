#pragma once
// What one desktop gives the editor's window: its dialogs, the clipboard, the bell, the input
// method's caret, the clock and turns of its event loop. Only primitives: when posted work
// runs, what a dialog answers once the session ends, how the window goes on during long work
// and what a question closed without an answer means are the window loop's
// (editor/window_loop.h), the same on every desktop.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "common/text.h"
#include "platform/platform.h"

namespace zarq {

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A message box modal on the window: the button pressed, Cancel when it was closed
  // without one (Escape, its close box).
  virtual MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) = 0;
  // The system's file and folder dialogs, modal on the window; nullopt when cancelled.
  virtual std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                              TextView pattern) = 0;
  virtual std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                              TextView pattern) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(TextView prompt) = 0;
  // Closes every message box and dialog open now as its close box would.
  virtual void closeDialogs() = 0;

  virtual ClipboardText clipboardText() = 0;
  virtual void setClipboardText(TextView text) = 0;
  virtual void beep() = 0;
  // The input method's candidate window opens at (x, y), in the form's pixels.
  virtual void moveCaret(int x, int y) = 0;
  // Milliseconds since the process started; any thread may ask.
  virtual std::int32_t clockMs() = 0;
  virtual bool isForeground() = 0;
  virtual Palette palette() = 0;
  // The page changed as a screen reader should hear, the user zoomed the form: told to the
  // window, which says what it does with them.
  virtual void announce(const AccessibleEvent& event) {
    if (announced_) announced_(event);
  }
  virtual void zoomTo(int percent) {
    if (zoomed_) zoomed_(percent);
  }
  void onAnnounce(std::function<void(const AccessibleEvent&)> listener) {
    announced_ = std::move(listener);
  }
  void onZoom(std::function<void(int)> apply) { zoomed_ = std::move(apply); }
  virtual void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) = 0;

  // One turn of the window's events: those waiting are handled, else the first that comes
  // within `waitMs` milliseconds (kWaitForever: however long it takes). A wake ends the wait.
  // False when there was none to handle.
  static constexpr int kWaitForever = -1;
  virtual bool handleEvents(int waitMs) = 0;
  // From any thread: the turn waiting now, or the next one, ends at once.
  virtual void wake() = 0;
  // Destroys the window without asking anyone.
  virtual void closeWindow() = 0;

 private:
  std::function<void(const AccessibleEvent&)> announced_;
  std::function<void(int)> zoomed_;
};

}  // namespace zarq
