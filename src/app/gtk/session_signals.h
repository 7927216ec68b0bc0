#pragma once
// Ctrl+C in the terminal, a kill, the terminal closing or a logout (SIGINT, SIGTERM, SIGHUP)
// end the session as the close box does: the form is saved, then the editor exits. The
// signals arrive through GLib's main loop, so the save never runs inside a signal handler;
// a copy under way stops first, and Ctrl+C pressed again while the first signal's save runs
// ends the process at once, as a loss.

#include <glib.h>

#include <array>
#include <functional>

namespace zarq::gtk {

class SessionSignals {
 public:
  // `endSession` is told of the first signal, with its number.
  explicit SessionSignals(std::function<void(int)> endSession);
  ~SessionSignals();
  SessionSignals(const SessionSignals&) = delete;
  SessionSignals& operator=(const SessionSignals&) = delete;

 private:
  struct Watch {
    SessionSignals* owner;
    int signal;
    guint source;
  };
  static gboolean onSignal(gpointer watch);

  std::function<void(int)> endSession_;
  std::array<Watch, 3> watches_;
  bool received_ = false;
};

}  // namespace zarq::gtk
