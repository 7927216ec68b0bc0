#pragma once
// What one desktop gives the editor's window: its services (platform.h) and turns of its
// event loop. Only primitives: when posted work runs, what a dialog answers once the session
// ends, how the window goes on during long work, what a question closed without an answer
// means and when the caret moved are the window loop's (editor/window_loop.h), the same on
// every desktop.

#include <functional>

#include "platform/platform.h"

namespace zarq {

class Desktop : public DesktopServices {
 public:
  Desktop() = default;
  // A desktop hands itself to the window system's callbacks: it is never copied.
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Closes every message box and dialog open now as its close box would.
  virtual void closeDialogs() = 0;

  // The page changed as a screen reader should hear, the user zoomed the form: told to the
  // window, which says what it does with them.
  void announce(const AccessibleEvent& event) override {
    if (announced_) announced_(event);
  }
  int zoomTo(int percent) override { return zoomed_ ? zoomed_(percent) : percent; }
  void onAnnounce(std::function<void(const AccessibleEvent&)> listener) {
    announced_ = std::move(listener);
  }
  void onZoom(std::function<int(int)> apply) { zoomed_ = std::move(apply); }

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
  std::function<int(int)> zoomed_;
};

}  // namespace zarq
