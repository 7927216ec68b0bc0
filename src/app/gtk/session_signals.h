#pragma once
// Ctrl+C in the terminal, a kill, the terminal closing or a logout (SIGINT, SIGTERM, SIGHUP)
// end the session as the close box does: the form is saved, then the editor exits. The
// signals arrive through GLib's main loop, so the save never runs inside a signal handler;
// a second signal, while the first one's save runs, ends the process at once.

#include <glib.h>

#include <array>
#include <functional>

namespace zarq::gtk {

class SessionSignals {
 public:
  // `endSession` closes the window as the close box would.
  explicit SessionSignals(std::function<void()> endSession);
  ~SessionSignals();
  SessionSignals(const SessionSignals&) = delete;
  SessionSignals& operator=(const SessionSignals&) = delete;

  // The signal that ended the session, 0 when none did.
  int received() const { return received_; }

 private:
  struct Watch {
    SessionSignals* owner;
    int signal;
    guint source;
  };
  static gboolean onSignal(gpointer watch);

  std::function<void()> endSession_;
  std::array<Watch, 3> watches_;
  int received_ = 0;
};

}  // namespace zarq::gtk
