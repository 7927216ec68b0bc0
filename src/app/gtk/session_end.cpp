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
#include "editor/end_requests.h"

namespace zarq::gtk {
namespace {

// What each signal asks, in the order of the sources.
constexpr struct {
  int signal;
  EndRequest request;
} kSessionSignals[] = {{SIGINT, EndRequest::Interrupt},
                       {SIGTERM, EndRequest::Terminate},
                       {SIGHUP, EndRequest::HangUp}};

// Xlib's handler takes no context, and there is one display and one session.
std::function<void(int)> onSignal;
std::function<int()> onLoss;
XIOErrorHandler previous = nullptr;
EndRequests requests;

// The save was cut short: the form is in no file that can be trusted.
void exitNow(int) {
  (void)!::write(STDERR_FILENO, kSaveCutShortLine, sizeof kSaveCutShortLine - 1);
  _exit(kExitFormLost);
}

// From the first signal on, the repeats are handled by the process's own handlers, since the
// save keeps the main loop from dispatching them.
void handleRepeats() {
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  for (const auto& each : kSessionSignals) {
    action.sa_handler = repeatedEndAction(each.request) == EndAction::CutShort ? exitNow : SIG_IGN;
    sigaction(each.signal, &action, nullptr);
  }
}

gboolean signalArrived(gpointer index) {
  const auto& arrived = kSessionSignals[GPOINTER_TO_INT(index)];
  if (requests.arrived(arrived.request) == EndAction::Save) {
    handleRepeats();
    onSignal(arrived.signal);
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
        g_unix_signal_add(kSessionSignals[i].signal, signalArrived, GINT_TO_POINTER(i));
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
