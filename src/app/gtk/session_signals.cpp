#include "app/gtk/session_signals.h"

#include <glib-unix.h>
#include <signal.h>
#include <unistd.h>

#include "editor/closing.h"

namespace zarq::gtk {
namespace {

constexpr int kSessionSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The save was cut short: the form is in no file that can be trusted.
void exitNow(int) {
  static constexpr char kSaid[] =
      "zarq-settings: Ctrl+C again cut the save short: the form is lost\n";
  (void)!::write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
  _exit(kExitFormLost);
}

// From the first signal on, Ctrl+C pressed again ends the process without waiting for the
// save. A hang-up or a kill coming again asks for no such thing: a closed terminal hangs up
// on the editor both itself and through its shell, and tools that stop a program signal it
// and its process group; those repeats are ignored while the save runs.
void exitAtOnceOnTheNextSignal() {
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  action.sa_handler = exitNow;
  sigaction(SIGINT, &action, nullptr);
  action.sa_handler = SIG_IGN;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

SessionSignals::SessionSignals(std::function<void(int)> endSession)
    : endSession_(std::move(endSession)) {
  for (std::size_t i = 0; i < watches_.size(); ++i) {
    watches_[i] = {this, kSessionSignals[i], 0};
    watches_[i].source = g_unix_signal_add(kSessionSignals[i], onSignal, &watches_[i]);
  }
}

SessionSignals::~SessionSignals() {
  for (const Watch& watch : watches_) {
    if (watch.source) g_source_remove(watch.source);
  }
}

gboolean SessionSignals::onSignal(gpointer p) {
  Watch& watch = *static_cast<Watch*>(p);
  SessionSignals& self = *watch.owner;
  if (!self.received_) {
    self.received_ = true;
    exitAtOnceOnTheNextSignal();
    self.endSession_(watch.signal);
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace zarq::gtk
