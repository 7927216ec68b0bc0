#include "app/gtk/editor_window.h"

#include <cmath>

#include "app/gtk/accelerator_key.h"
#include "app/gtk/key_mapping.h"
#include "backend/gtk/atk_page.h"
#include "backend/gtk/uri_list.h"
#include "common/utf.h"
#include "editor/accessible_page.h"
#include "editor/window_events.h"
#include "editor/window_loop.h"
#include "editor/window_scale.h"
#include "form/settings_form.h"

namespace zarq::gtk {
namespace {

EditorWindow& self(gpointer p) { return *static_cast<EditorWindow*>(p); }

// Crossings that a grab or a state change makes without the pointer moving are no leave.
bool pointerReallyCrossed(GdkCrossingMode mode) {
  return mode == GDK_CROSSING_NORMAL || mode == GDK_CROSSING_UNGRAB;
}

// The desktop's text size at its default, in dots per inch.
constexpr double kDefaultResolution = 96;
// Room kept above the client area for the title bar a window manager adds, in the desktop's
// pixels: the window is sized before the window manager says how tall its frame is.
constexpr int kTitleBarAllowance = 40;

}  // namespace

EditorWindow::EditorWindow(SettingsForm& form, WindowLoop& loop, OffscreenFrame& frame,
                           GtkHost& host, const std::string& title)
    : form_(form), loop_(loop), frame_(frame), host_(host) {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), title.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  g_signal_connect_after(window_, "realize", G_CALLBACK(onWindowRealize), this);
  g_signal_connect(window_, "destroy", G_CALLBACK(onDestroy), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
  g_signal_connect(window_, "focus-in-event", G_CALLBACK(onFocusIn), this);
  g_signal_connect(window_, "focus-out-event", G_CALLBACK(onFocusOut), this);
  g_signal_connect(window_, "key-press-event", G_CALLBACK(onKeyPress), this);
  g_signal_connect(window_, "key-release-event", G_CALLBACK(onKeyRelease), this);

  // Screen readers see the page's controls as the area's accessible children.
  area_ = accessibleDrawingArea(
      {[this] { return describePage(form_); },
       [this](const ToolRequest& request) { onToolRequest(form_, request); }});
  gtk_widget_set_size_request(area_, kClientWidth, kClientHeight);
  gtk_widget_add_events(area_, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                   GDK_BUTTON_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK |
                                   GDK_LEAVE_NOTIFY_MASK);
  g_signal_connect(area_, "draw", G_CALLBACK(onDraw), this);
  g_signal_connect(area_, "realize", G_CALLBACK(onAreaRealize), this);
  g_signal_connect(area_, "unrealize", G_CALLBACK(onAreaUnrealize), this);
  g_signal_connect(area_, "notify::scale-factor", G_CALLBACK(onScaleSettingChanged), this);
  g_signal_connect(area_, "motion-notify-event", G_CALLBACK(onMotion), this);
  g_signal_connect(area_, "button-press-event", G_CALLBACK(onButtonPress), this);
  g_signal_connect(area_, "button-release-event", G_CALLBACK(onButtonRelease), this);
  g_signal_connect(area_, "enter-notify-event", G_CALLBACK(onEnter), this);
  g_signal_connect(area_, "leave-notify-event", G_CALLBACK(onLeave), this);
  // Dropped files come as a plain URI list. GTK's own list of URI targets would also register
  // with the desktop's file-transfer portal, a blocking round trip to the session bus (or the
  // start of one) before the window shows, and a bus connection held from then on.
  static const GtkTargetEntry kUriList[] = {{const_cast<gchar*>("text/uri-list"), 0, 0}};
  gtk_drag_dest_set(area_, GTK_DEST_DEFAULT_ALL, kUriList, G_N_ELEMENTS(kUriList), GDK_ACTION_COPY);
  g_signal_connect(area_, "drag-data-received", G_CALLBACK(onDragDataReceived), this);
  gtk_container_add(GTK_CONTAINER(window_), area_);

  // Characters come from the input method; what it is composing is drawn in the field at the
  // caret until it is committed.
  inputMethod_.reset(gtk_im_multicontext_new());
  gtk_im_context_set_use_preedit(inputMethod_.get(), TRUE);
  g_signal_connect(inputMethod_.get(), "commit", G_CALLBACK(onCommit), this);
  g_signal_connect(inputMethod_.get(), "preedit-changed", G_CALLBACK(onPreeditChanged), this);

  // A new theme may be one of high contrast, or no longer one: the next frame reads it.
  g_signal_connect(area_, "style-updated", G_CALLBACK(onStyleUpdated), this);
  GdkScreen* screen = gtk_widget_get_screen(window_);
  resolutionHandler_ =
      g_signal_connect(screen, "notify::resolution", G_CALLBACK(onScaleSettingChanged), this);
  monitorsHandler_ =
      g_signal_connect(screen, "monitors-changed", G_CALLBACK(onMonitorsChanged), this);
  // The desktop's text-scaling setting reaches GTK as gtk-xft-dpi.
  textSizeHandler_ = g_signal_connect(gtk_settings_get_default(), "notify::gtk-xft-dpi",
                                      G_CALLBACK(onScaleSettingChanged), this);

  frame_.onPresent([this] {
    if (area_) gtk_widget_queue_draw(area_);
  });
  host_.attach(GTK_WINDOW(window_), inputMethod_.get());
  host_.onAnnounce([this](const AccessibleEvent& event) {
    if (area_) announceOnArea(area_, event);
  });
  host_.onZoom([this](int percent) {
    followScale(percent);
    return loop_.shownZoom();
  });
}

EditorWindow::~EditorWindow() {
  if (window_) gtk_widget_destroy(window_);
}

void EditorWindow::show() {
  // Showing the window may draw the first frame already (a new scale does); one more would
  // only repeat it on the way to the screen.
  const int presented = frame_.framesPresented();
  gtk_widget_show_all(window_);
  if (frame_.framesPresented() == presented) onPaint(form_);
}

gboolean EditorWindow::onDraw(GtkWidget*, cairo_t* cr, gpointer p) {
  // The frame is drawn at the form's scale times the device's: scaled so, its pixels meet
  // the device's one to one.
  cairo_scale(cr, self(p).formScale_, self(p).formScale_);
  cairo_set_source_surface(cr, self(p).frame_.surface(), 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  return TRUE;
}

gboolean EditorWindow::onFocusIn(GtkWidget*, GdkEventFocus*, gpointer p) {
  EditorWindow& w = self(p);
  gtk_im_context_focus_in(w.inputMethod_.get());
  onFocusGained(w.form_);
  return FALSE;
}

gboolean EditorWindow::onFocusOut(GtkWidget*, GdkEventFocus*, gpointer p) {
  onFocusLost(self(p).form_);
  gtk_im_context_focus_out(self(p).inputMethod_.get());
  return FALSE;
}

std::optional<ShortcutAction> EditorWindow::shortcut(const GdkEventKey* event) const {
  GdkKeymap* keymap = gdk_keymap_get_for_display(gtk_widget_get_display(window_));
  return shortcutFor(acceleratorKey(keyLayoutsOf(keymap, event)),
                     modifiersOf(GdkModifierType(event->state)));
}

gboolean EditorWindow::onDelete(GtkWidget*, GdkEvent*, gpointer p) {
  self(p).loop_.closeBox(self(p).form_);
  return TRUE;
}

gboolean EditorWindow::onKeyPress(GtkWidget*, GdkEventKey* event, gpointer p) {
  EditorWindow& w = self(p);
  const Modifiers mods = modifiersOf(GdkModifierType(event->state));
  // X reports a held key's repeats as presses without releases in between. Keys pressed with
  // Alt are the system's (its menu keys on Windows), not text.
  if (onKeyPressed(w.form_, event->hardware_keycode, keyStrokeOf(event->keyval, mods))) {
    // A repeat the caret keys took.
  } else if (const auto action = w.shortcut(event)) {
    w.loop_.shortcut(w.form_, *action);
  } else if (!mods.alt && !gtk_im_context_filter_keypress(w.inputMethod_.get(), event)) {
    // What the input method takes is its own: typed text arrives through "commit", and a
    // key that edits a composition (Backspace, Escape) belongs to the composition.
    if (const auto unit = controlCharacter(event->keyval, mods)) onChar(w.form_, *unit);
  }
  // Every key is the editor's: no focus moves, mnemonics or menu keys of GTK's own.
  return TRUE;
}

gboolean EditorWindow::onKeyRelease(GtkWidget*, GdkEventKey* event, gpointer p) {
  EditorWindow& w = self(p);
  const KeyStroke now = keyStrokeOf(event->keyval, modifiersOf(GdkModifierType(event->state)));
  // A release the input method takes belongs to its composition.
  const bool composing = gtk_im_context_filter_keypress(w.inputMethod_.get(), event);
  onKeyReleased(w.form_, event->hardware_keycode, now, !composing);
  return TRUE;
}

void EditorWindow::onCommit(GtkIMContext*, gchar* text, gpointer p) {
  EditorWindow& w = self(p);
  for (const char16_t unit : fromUtf8(text)) onChar(w.form_, unit);
}

void EditorWindow::onPreeditChanged(GtkIMContext* context, gpointer p) {
  EditorWindow& w = self(p);
  gchar* composing = nullptr;
  gtk_im_context_get_preedit_string(context, &composing, nullptr, nullptr);
  const GString8 owned(composing);
  onComposition(w.form_, fromUtf8(composing ? composing : ""));
}

int EditorWindow::formPixel(double x) const { return formCoordinate(x, formScale_); }

gboolean EditorWindow::onMotion(GtkWidget*, GdkEventMotion* event, gpointer p) {
  EditorWindow& w = self(p);
  w.loop_.pointerMoved(w.form_, w.formPixel(event->x), w.formPixel(event->y));
  return TRUE;
}

gboolean EditorWindow::onButtonPress(GtkWidget*, GdkEventButton* event, gpointer p) {
  EditorWindow& w = self(p);
  // A double click is two presses; GTK's extra double-click event is not a third.
  if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY) return TRUE;
  w.loop_.buttonDown(w.form_, w.formPixel(event->x), w.formPixel(event->y));
  return TRUE;
}

gboolean EditorWindow::onButtonRelease(GtkWidget*, GdkEventButton* event, gpointer p) {
  EditorWindow& w = self(p);
  if (event->button == GDK_BUTTON_PRIMARY) {
    w.loop_.buttonUp(w.form_, w.formPixel(event->x), w.formPixel(event->y));
  }
  return TRUE;
}

gboolean EditorWindow::onEnter(GtkWidget*, GdkEventCrossing* event, gpointer p) {
  if (pointerReallyCrossed(event->mode)) self(p).loop_.pointerEntered();
  return FALSE;
}

gboolean EditorWindow::onLeave(GtkWidget*, GdkEventCrossing* event, gpointer p) {
  if (pointerReallyCrossed(event->mode)) self(p).loop_.pointerLeft(self(p).form_);
  return FALSE;
}

void EditorWindow::onDragDataReceived(GtkWidget*, GdkDragContext*, gint, gint,
                                      GtkSelectionData* data, guint, guint, gpointer p) {
  const GStringList uris(gtk_selection_data_get_uris(data));
  self(p).loop_.drop(self(p).form_, localPathsFromUris(uris.get()));
}

void EditorWindow::onAreaRealize(GtkWidget* area, gpointer p) {
  GdkWindow* window = gtk_widget_get_window(area);
  gtk_im_context_set_client_window(self(p).inputMethod_.get(), window);
  // Memory the display reads directly: showing a frame then copies nothing.
  self(p).frame_.surfacesFrom([window](int width, int height) {
    return gdk_window_create_similar_image_surface(window, CAIRO_FORMAT_ARGB32, width, height, 1);
  });
  self(p).followScale();
}

void EditorWindow::onAreaUnrealize(GtkWidget*, gpointer p) { self(p).frame_.surfacesFrom(nullptr); }

void EditorWindow::onScaleSettingChanged(GObject*, GParamSpec*, gpointer p) {
  self(p).followScale();
}

void EditorWindow::onMonitorsChanged(GdkScreen*, gpointer p) { self(p).followScale(); }

void EditorWindow::onStyleUpdated(GtkWidget* area, gpointer p) {
  // Before the area is realized nothing shows a frame, and show() draws the first one.
  if (self(p).window_ && gtk_widget_get_realized(area)) onPaint(self(p).form_);
}

GdkRectangle EditorWindow::workArea() const {
  GdkDisplay* display = gtk_widget_get_display(window_);
  GdkWindow* own = gtk_widget_get_window(window_);
  GdkMonitor* monitor = own ? gdk_display_get_monitor_at_window(display, own) : nullptr;
  if (!monitor) monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle area{0, 0, 0, 0};
  if (monitor) gdk_monitor_get_workarea(monitor, &area);
  return area;
}

double EditorWindow::textScale() const {
  // GDK_DPI_SCALE times Xft.dpi, or the desktop's setting for it.
  return gdk_screen_get_resolution(gtk_widget_get_screen(window_)) / kDefaultResolution;
}

void EditorWindow::followScale(std::optional<int> zoomPercent) {
  if (!area_) return;
  const GdkRectangle room = workArea();
  const double scale = loop_.fit(form_,
                                 {textScale(), kClientWidth, kClientHeight, double(room.width),
                                  double(room.height - kTitleBarAllowance)},
                                 zoomPercent);
  const double device = gtk_widget_get_scale_factor(area_);
  if (scale == formScale_ && device * scale == frame_.scale()) return;
  formScale_ = scale;
  gtk_widget_set_size_request(area_, scaledLength(kClientWidth, scale),
                              scaledLength(kClientHeight, scale));
  frame_.setScale(device * scale);
  onPaint(form_);
}

void EditorWindow::onWindowRealize(GtkWidget* window, gpointer) {
  // A caption with close and minimise boxes only: no maximising, no sizing border.
  GdkWindow* gdkWindow = gtk_widget_get_window(window);
  gdk_window_set_functions(gdkWindow,
                           GdkWMFunction(GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE | GDK_FUNC_CLOSE));
  gdk_window_set_decorations(gdkWindow, GdkWMDecoration(GDK_DECOR_BORDER | GDK_DECOR_TITLE |
                                                        GDK_DECOR_MENU | GDK_DECOR_MINIMIZE));
}

void EditorWindow::onDestroy(GtkWidget*, gpointer p) {
  EditorWindow& w = self(p);
  w.frame_.onPresent(nullptr);
  gtk_im_context_set_client_window(w.inputMethod_.get(), nullptr);
  GdkScreen* screen = gtk_widget_get_screen(w.window_);
  g_signal_handler_disconnect(screen, w.resolutionHandler_);
  g_signal_handler_disconnect(screen, w.monitorsHandler_);
  g_signal_handler_disconnect(gtk_settings_get_default(), w.textSizeHandler_);
  w.host_.detach();
  w.window_ = nullptr;
  w.area_ = nullptr;
  w.loop_.windowGone();
}

}  // namespace zarq::gtk
