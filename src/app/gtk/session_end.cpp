#include "app/gtk/session_end.h"

#include <gdk/gdk.h>
#include <gdk/gdkx.h>
#include <glib-unix.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "editor/closing.h"

namespace zarq::gtk {
namespace {

constexpr int kSessionSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Xlib's handler takes no context, and there is one display and one session.
std::function<void(int)> onSignal;
std::function<int()> onLoss;
XIOErrorHandler previous = nullptr;
bool signalTaken = false;

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

gboolean signalArrived(gpointer signal) {
  if (!signalTaken) {
    signalTaken = true;
    exitAtOnceOnTheNextSignal();
    onSignal(GPOINTER_TO_INT(signal));
  }
  return G_SOURCE_CONTINUE;
}

[[noreturn]] void saveAndEnd() {
  const int status = onLoss();
  std::fflush(nullptr);
  std::_Exit(status);
}

int onIoError(Display*) { saveAndEnd(); }

// Where GDK notices the loss itself (Wayland), it says so through the display.
void onClosed(GdkDisplay*, gboolean isError, gpointer) {
  if (isError) saveAndEnd();
}

}  // namespace

SessionEnd::SessionEnd(std::function<void(int)> signalled, std::function<int()> displayGone) {
  onSignal = std::move(signalled);
  onLoss = std::move(displayGone);
  for (std::size_t i = 0; i < signalSources_.size(); ++i) {
    signalSources_[i] =
        g_unix_signal_add(kSessionSignals[i], signalArrived, GINT_TO_POINTER(kSessionSignals[i]));
  }
  GdkDisplay* display = gdk_display_get_default();
  if (GDK_IS_X11_DISPLAY(display)) previous = XSetIOErrorHandler(onIoError);
  closedHandler_ = g_signal_connect(display, "closed", G_CALLBACK(onClosed), nullptr);
}

SessionEnd::~SessionEnd() {
  for (const guint source : signalSources_) {
    if (source) g_source_remove(source);
  }
  GdkDisplay* display = gdk_display_get_default();
  g_signal_handler_disconnect(display, closedHandler_);
  if (GDK_IS_X11_DISPLAY(display)) XSetIOErrorHandler(previous);
  onSignal = nullptr;
  onLoss = nullptr;
}

}  // namespace zarq::gtk
