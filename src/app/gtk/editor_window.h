#pragma once
// The editor's one window: a fixed 944 x 681 drawing area showing the top-left of the
// 960 x 720 frame, with every GTK event handed to the form's window events. The area is
// that size at the desktop's text size and the user's zoom, within the screen's work area.

#include <gtk/gtk.h>

#include <optional>
#include <string>

#include "app/gtk/key_mapping.h"
#include "backend/cairo/offscreen_frame.h"
#include "backend/gtk/glib_owned.h"
#include "backend/gtk/gtk_host.h"

namespace zarq {
struct SettingsForm;
class WindowLoop;
}  // namespace zarq

namespace zarq::gtk {

// The client area of a 960 x 720 window with a caption on Windows.
inline constexpr int kClientWidth = 944;
inline constexpr int kClientHeight = 681;

class EditorWindow {
 public:
  // Creates the window titled `title` (UTF-8) without showing it, its events going to `loop`;
  // the host's dialogs are owned by it from here on.
  EditorWindow(SettingsForm& form, WindowLoop& loop, OffscreenFrame& frame, GtkHost& host,
               const std::string& title);
  ~EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Shows the window and draws its first frame.
  void show();

 private:
  static gboolean onDraw(GtkWidget*, cairo_t* cr, gpointer self);
  static gboolean onFocusIn(GtkWidget*, GdkEventFocus*, gpointer self);
  static gboolean onFocusOut(GtkWidget*, GdkEventFocus*, gpointer self);
  static gboolean onKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean onKeyRelease(GtkWidget*, GdkEventKey* event, gpointer self);
  static void onCommit(GtkIMContext*, gchar* text, gpointer self);
  static void onPreeditChanged(GtkIMContext* context, gpointer self);
  static gboolean onMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
  static gboolean onButtonPress(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean onButtonRelease(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean onEnter(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean onLeave(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static void onDragDataReceived(GtkWidget*, GdkDragContext*, gint, gint, GtkSelectionData* data,
                                 guint, guint, gpointer self);
  static gboolean onDelete(GtkWidget*, GdkEvent* event, gpointer self);
  static void onAreaRealize(GtkWidget* area, gpointer self);
  static void onAreaUnrealize(GtkWidget* area, gpointer self);
  static void onScaleSettingChanged(GObject*, GParamSpec*, gpointer self);
  static void onMonitorsChanged(GdkScreen*, gpointer self);
  static void onStyleUpdated(GtkWidget*, gpointer self);
  // Sizes the window for the desktop's text size (GDK_DPI_SCALE, Xft.dpi) and the user's zoom,
  // scaled down to fit the work area of its monitor, and draws the frame at that scale times
  // the display's (GDK_SCALE, a scaled monitor), so that it is sharp there; a change of any
  // of them redraws it. `zoomPercent` is the user's zoom from here on.
  void followScale(std::optional<int> zoomPercent = {});
  // The desktop's text size, 1 at its default.
  double textScale() const;
  // The work area of the window's monitor (the first monitor before it is shown).
  GdkRectangle workArea() const;
  static void onWindowRealize(GtkWidget* window, gpointer);
  static void onDestroy(GtkWidget*, gpointer self);

  std::optional<ShortcutAction> shortcut(const GdkEventKey* event) const;
  // A coordinate of the window's client area as the form's pixel.
  int formPixel(double v) const;

  SettingsForm& form_;
  WindowLoop& loop_;
  OffscreenFrame& frame_;
  GtkHost& host_;
  GtkWidget* window_ = nullptr;
  GtkWidget* area_ = nullptr;
  GObjectRef<GtkIMContext> inputMethod_;
  // The window's pixels per pixel of the form.
  double formScale_ = 1;
  gulong resolutionHandler_ = 0;
  gulong monitorsHandler_ = 0;
  gulong textSizeHandler_ = 0;
};

}  // namespace zarq::gtk
