#pragma once
// Ctrl+C, Ctrl+Break or closing the console the editor was started from, and a logoff or a
// shutdown seen through that console, end the session as closing the window does: the form
// is saved, then the editor exits. While that save runs, Ctrl+C or Ctrl+Break again ends the
// process at once, and a close, a logoff or a shutdown waits for it (editor/end_requests.h).

#include <windows.h>

namespace zarq::win32 {

// Posted to the window when the console asks the editor to end.
inline constexpr UINT kEndSessionMessage = WM_APP + 3;

class ConsoleEnd {
 public:
  // Watches the console while `window` lives, when there is a console at all.
  explicit ConsoleEnd(HWND window);
  // The window is gone and the form saved: a console close waiting for it may now end.
  ~ConsoleEnd();
  ConsoleEnd(const ConsoleEnd&) = delete;
  ConsoleEnd& operator=(const ConsoleEnd&) = delete;
};

}  // namespace zarq::win32
