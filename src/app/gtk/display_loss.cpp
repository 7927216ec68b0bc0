#include "app/gtk/display_loss.h"

#include <gdk/gdk.h>
#include <gdk/gdkx.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zarq::gtk {
namespace {

// Xlib's handler takes no context, and there is one display.
std::function<int()> onLoss;
XIOErrorHandler previous = nullptr;

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

DisplayLoss::DisplayLoss(std::function<int()> saveAndGo) {
  onLoss = std::move(saveAndGo);
  GdkDisplay* display = gdk_display_get_default();
  if (GDK_IS_X11_DISPLAY(display)) previous = XSetIOErrorHandler(onIoError);
  closedHandler_ = g_signal_connect(display, "closed", G_CALLBACK(onClosed), nullptr);
}

DisplayLoss::~DisplayLoss() {
  GdkDisplay* display = gdk_display_get_default();
  g_signal_handler_disconnect(display, closedHandler_);
  if (GDK_IS_X11_DISPLAY(display)) XSetIOErrorHandler(previous);
  onLoss = nullptr;
}

}  // namespace zarq::gtk
