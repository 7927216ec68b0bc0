#pragma once
// The session ended from outside ends as the close box ends it: the form is saved, then the
// editor exits.
//
// Ctrl+C in the terminal, a kill, the terminal closing or a logout (SIGINT, SIGTERM, SIGHUP)
// arrive through GLib's main loop, so the save never runs inside a signal handler; a copy
// under way stops first, and Ctrl+C pressed again while the first signal's save runs ends
// the process at once, as a loss.
//
// The display going away (its X server ending or crashing, an ssh -X or VNC session dropped,
// a logout that closes it before any signal comes) ends the session like a signal: Xlib's
// default, and GDK's, is to exit at once with nothing saved. The form is saved first, then
// the process ends with the status the display's handler gives, without running exit
// handlers that would talk to the display.

#include <glib.h>

#include <array>
#include <functional>

namespace zarq::gtk {

class SessionEnd {
 public:
  // `signalled` is told of the first signal, with its number; `displayGone` saves and gives
  // the exit status.
  SessionEnd(std::function<void(int)> signalled, std::function<int()> displayGone);
  ~SessionEnd();
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 private:
  std::array<guint, 3> signalSources_{};
  gulong closedHandler_ = 0;
};

}  // namespace zarq::gtk
