#include "app/gtk/gtk_host.h"

#include <canberra-gtk.h>
#include <dlfcn.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "app/gtk/key_mapping.h"
#include "backend/gtk/atk_page.h"
#include "backend/gtk/desktop_palette.h"
#include "backend/gtk/held_theme.h"
#include "backend/gtk/uri_list.h"
#include "common/utf.h"
#include "editor/accessible_page.h"
#include "editor/window_events.h"
#include "editor/window_loop.h"
#include "editor/window_scale.h"
#include "form/settings_form.h"
#include "platform/file_filter.h"

namespace zarq::gtk {
namespace {

GtkHost& self(gpointer p) { return *static_cast<GtkHost*>(p); }

// Crossings that a grab or a state change makes without the pointer moving are no leave.
bool pointerReallyCrossed(GdkCrossingMode mode) {
  return mode == GDK_CROSSING_NORMAL || mode == GDK_CROSSING_UNGRAB;
}

// The desktop's text size at its default, in dots per inch.
constexpr double kDefaultResolution = 96;
// Room kept above the client area for the title bar a window manager adds, in the desktop's
// pixels: the window is sized before the window manager says how tall its frame is.
constexpr int kTitleBarAllowance = 40;

// Without a window manager nobody gives a new dialog the keyboard; ask for it once it is
// on screen (a window manager would have done the same).
gboolean focusWhenMapped(GtkWidget* widget, GdkEvent*, gpointer) {
  gdk_window_focus(gtk_widget_get_window(widget), GDK_CURRENT_TIME);
  return FALSE;
}

// Ends a wait for events once its time is up.
gboolean stopWaiting(gpointer fired) {
  *static_cast<bool*>(fired) = true;
  return G_SOURCE_REMOVE;
}

// A message box's buttons answer with their MessageAnswer, as positive response ids; the
// close box, Escape and closeDialogs give a negative one, which counts as Cancel.
gint responseOf(MessageAnswer answer) { return static_cast<gint>(answer) + 1; }

// Whether the kernel grants a watch on `folder`. GLib's monitor stays silent, without a
// word, when it does not (the user's fs.inotify.max_user_watches are all taken, or the
// folder may be written but not read); without inotify at all GLib polls by itself.
bool kernelWatches(const std::filesystem::path& folder) {
  const int probe = inotify_init1(IN_CLOEXEC);
  if (probe < 0) return true;
  const bool granted = inotify_add_watch(probe, folder.c_str(), IN_CREATE) >= 0;
  ::close(probe);
  return granted;
}

}  // namespace

GtkHost::GtkHost(std::filesystem::path workFolder) : workFolder_(std::move(workFolder)) {}

bool GtkHost::watchFolder(const std::filesystem::path& folder, std::function<void()> changed) {
  folderChanged_ = std::move(changed);
  const GObjectRef<GFile> file(g_file_new_for_path(folder.c_str()));
  folderMonitor_.reset(
      g_file_monitor_directory(file.get(), G_FILE_MONITOR_WATCH_MOVES, nullptr, nullptr));
  if (!folderMonitor_) return false;
  g_signal_connect(
      folderMonitor_.get(), "changed",
      G_CALLBACK(+[](GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event, gpointer p) {
        // A file written is told by its changes being done, not by every block written.
        if (event == G_FILE_MONITOR_EVENT_CHANGED || event == G_FILE_MONITOR_EVENT_PRE_UNMOUNT) {
          return;
        }
        if (self(p).folderChanged_) self(p).folderChanged_();
      }),
      this);
  return kernelWatches(folder);
}

gint GtkHost::runModal(GtkDialog* dialog) {
  g_signal_connect(dialog, "map-event", G_CALLBACK(focusWhenMapped), nullptr);
  modals_.push_back(dialog);
  const gint response = gtk_dialog_run(dialog);
  modals_.pop_back();
  return response;
}

void GtkHost::closeDialogs() {
  for (GtkDialog* dialog : modals_) gtk_dialog_response(dialog, GTK_RESPONSE_DELETE_EVENT);
}

void GtkHost::closeModal(GtkDialog* dialog) {
  gtk_widget_destroy(GTK_WIDGET(dialog));
  // The owner takes the keyboard back, as a window does when its message box closes.
  if (window_) gtk_window_present(GTK_WINDOW(window_));
}

MessageAnswer GtkHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  releaseTheme();
  GtkWidget* dialog = gtk_message_dialog_new(
      GTK_WINDOW(window_), GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
      GTK_MESSAGE_OTHER, GTK_BUTTONS_NONE, "%s", toUtf8(text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), toUtf8(title).c_str());
  // The buttons speak the window's language, not the user's locale.
  const auto add = [&](const char* label, MessageAnswer answer) {
    gtk_dialog_add_button(GTK_DIALOG(dialog), label, responseOf(answer));
  };
  if (buttons == MessageButtons::Ok) {
    add("确定", MessageAnswer::Ok);
  } else {
    add("是", MessageAnswer::Yes);
    add("否", MessageAnswer::No);
  }
  if (buttons == MessageButtons::YesNoCancel) add("取消", MessageAnswer::Cancel);
  gtk_dialog_set_default_response(
      GTK_DIALOG(dialog),
      responseOf(buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes));
  const gint response = runModal(GTK_DIALOG(dialog));
  closeModal(GTK_DIALOG(dialog));
  return response > 0 ? static_cast<MessageAnswer>(response - 1) : MessageAnswer::Cancel;
}

namespace {

// GTK sizes a chooser by its font: on a small or scaled screen it reaches past the work area,
// its name field and buttons out of sight. Once GTK has chosen its size, it is made to fit.
void fitOnMap(GtkWidget* dialog, gpointer data) {
  const GdkRectangle& room = *static_cast<const GdkRectangle*>(data);
  // No monitor told its work area: nothing to fit into.
  if (room.width <= 0 || room.height <= kTitleBarAllowance) return;
  GtkWindow* window = GTK_WINDOW(dialog);
  gint width = 0, height = 0, x = 0, y = 0;
  gtk_window_get_size(window, &width, &height);
  gtk_window_get_position(window, &x, &y);
  width = std::min(width, room.width);
  height = std::min(height, room.height - kTitleBarAllowance);
  gtk_window_resize(window, width, height);
  gtk_window_move(window, std::clamp(x, room.x, room.x + room.width - width),
                  std::clamp(y, room.y, room.y + room.height - height));
}

void fitInto(GtkWindow* dialog, GdkRectangle room) {
  g_signal_connect_data(
      dialog, "map", G_CALLBACK(fitOnMap), new GdkRectangle(room),
      [](gpointer data, GClosure*) { delete static_cast<GdkRectangle*>(data); }, G_CONNECT_AFTER);
}

}  // namespace

std::optional<std::filesystem::path> GtkHost::chooseFile(GtkFileChooserAction action,
                                                         const char* title, const char* acceptLabel,
                                                         TextView filterName, TextView pattern) {
  releaseTheme();
  GtkWidget* dialog =
      gtk_file_chooser_dialog_new(title, GTK_WINDOW(window_), action, "取消(_C)",
                                  GTK_RESPONSE_CANCEL, acceptLabel, GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
  fitInto(GTK_WINDOW(dialog), workArea());
  gtk_file_chooser_set_local_only(chooser, TRUE);
  // The editor asks its own questions about existing files.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
  // The folder chooser too: the recorder's folder may not exist yet.
  gtk_file_chooser_set_create_folders(chooser, TRUE);
  gtk_file_chooser_set_current_folder(chooser, workFolder_.c_str());
  if (!pattern.empty()) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, toUtf8(filterName).c_str());
    for (const std::string& glob : globsForFilterPattern(toUtf8(pattern))) {
      gtk_file_filter_add_pattern(filter, glob.c_str());
    }
    const std::string mimeType(mimeTypeForFilterPattern(toUtf8(pattern)));
    if (!mimeType.empty()) gtk_file_filter_add_mime_type(filter, mimeType.c_str());
    gtk_file_chooser_add_filter(chooser, filter);
  }
  std::optional<std::filesystem::path> chosen;
  if (runModal(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    if (const GString8 name{gtk_file_chooser_get_filename(chooser)}) {
      chosen = std::filesystem::path(name.get());
    }
  }
  closeModal(GTK_DIALOG(dialog));
  return chosen;
}

std::optional<std::filesystem::path> GtkHost::chooseSaveFile(TextView filterName,
                                                             TextView pattern) {
  return chooseFile(GTK_FILE_CHOOSER_ACTION_SAVE, "另存为", "保存(_S)", filterName, pattern);
}

std::optional<std::filesystem::path> GtkHost::chooseOpenFile(TextView filterName,
                                                             TextView pattern) {
  return chooseFile(GTK_FILE_CHOOSER_ACTION_OPEN, "打开", "打开(_O)", filterName, pattern);
}

std::optional<std::filesystem::path> GtkHost::chooseFolder(TextView prompt) {
  return chooseFile(GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, toUtf8(prompt).c_str(), "选择(_S)", u"",
                    u"");
}

namespace {

// One answer of the clipboard's owner, shared by the wait and GTK's callback: an answer that
// comes after the wait gave up goes to nobody.
struct ClipboardAnswer {
  bool done = false;
  bool answered = false;  // false: no owner, or the owner failed
  std::vector<GdkAtom> targets;
  std::string bytes;
};
using SharedAnswer = std::shared_ptr<ClipboardAnswer>;

// Called once per request, also when GTK gives it up itself.
void takeAnswer(gpointer p, bool answered, std::string bytes, std::vector<GdkAtom> targets = {}) {
  const std::unique_ptr<SharedAnswer> holder(static_cast<SharedAnswer*>(p));
  ClipboardAnswer& answer = **holder;
  answer.done = true;
  answer.answered = answered;
  answer.bytes = std::move(bytes);
  answer.targets = std::move(targets);
}

}  // namespace

ClipboardText GtkHost::clipboardText() {
  GtkClipboard* clipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
  if (!clipboard) return {ClipboardText::Status::Unavailable, {}};
  // GTK's own waits hold a paste for half a minute when the owner never answers; this one
  // gives up sooner, the window going on meanwhile.
  const gint64 deadline = g_get_monotonic_time() + kClipboardWaitMs * gint64{1000};
  const auto wait = [&](const auto& request) {
    const SharedAnswer answer = std::make_shared<ClipboardAnswer>();
    request(new SharedAnswer(answer));
    for (gint64 left; !answer->done && (left = deadline - g_get_monotonic_time()) > 0;) {
      handleEvents(static_cast<int>((left + 999) / 1000));
    }
    return answer;
  };
  const SharedAnswer offered = wait([clipboard](gpointer p) {
    gtk_clipboard_request_targets(
        clipboard,
        [](GtkClipboard*, GdkAtom* atoms, gint count, gpointer data) {
          takeAnswer(data, atoms != nullptr, {}, std::vector<GdkAtom>(atoms, atoms + count));
        },
        p);
  });
  if (!offered->done) return {ClipboardText::Status::LockFailed, {}};
  // No owner, or an owner without any text form: nothing to paste.
  std::vector<GdkAtom>& targets = offered->targets;
  if (!offered->answered ||
      !gtk_targets_include_text(targets.data(), static_cast<gint>(targets.size()))) {
    return {ClipboardText::Status::NoText, {}};
  }
  // UTF-8 is fetched as it is, with its length, so that a NUL inside does not end the text
  // there; other text forms GTK converts, up to the first NUL.
  const GdkAtom utf8Target = gdk_atom_intern_static_string("UTF8_STRING");
  const bool utf8 = std::find(targets.begin(), targets.end(), utf8Target) != targets.end();
  const SharedAnswer text = wait([clipboard, utf8, utf8Target](gpointer p) {
    if (utf8) {
      gtk_clipboard_request_contents(
          clipboard, utf8Target,
          [](GtkClipboard*, GtkSelectionData* data, gpointer answer) {
            const gint length = data ? gtk_selection_data_get_length(data) : -1;
            if (length < 0) return takeAnswer(answer, false, {});
            takeAnswer(answer, true,
                       {reinterpret_cast<const char*>(gtk_selection_data_get_data(data)),
                        static_cast<std::size_t>(length)});
          },
          p);
    } else {
      gtk_clipboard_request_text(
          clipboard,
          [](GtkClipboard*, const gchar* converted, gpointer answer) {
            takeAnswer(answer, converted != nullptr, converted ? converted : "");
          },
          p);
    }
  });
  // Not valid UTF-8, no answer in time, or the owner failed or went away meanwhile.
  const std::optional<Text> decoded =
      text->answered ? decodeUtf8(text->bytes) : std::optional<Text>();
  if (!decoded) return {ClipboardText::Status::LockFailed, {}};
  return {ClipboardText::Status::Text, *decoded};
}

void GtkHost::setClipboardText(TextView text) {
  GtkClipboard* clipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
  if (!clipboard) return;
  const std::string utf8 = toUtf8(text);
  gtk_clipboard_set_text(clipboard, utf8.c_str(), static_cast<gint>(utf8.size()));
  // The text stays on offer after the editor has closed, where the desktop keeps clipboards.
  gtk_clipboard_set_can_store(clipboard, nullptr, 0);
}

void GtkHost::beep() {
  // The desktop's sound theme, where one is configured and can be played; many desktops
  // mute the X bell, so it is only the fallback. The sound library brings seven of its own
  // and takes milliseconds to load, so it is loaded at the first bell, not at every start.
  static const auto play = [] {
    void* library = ::dlopen("libcanberra-gtk3.so.0", RTLD_LAZY | RTLD_LOCAL);
    void* symbol = library ? ::dlsym(library, "ca_gtk_play_for_widget") : nullptr;
    return reinterpret_cast<decltype(&ca_gtk_play_for_widget)>(symbol);
  }();
  if (window_ && play &&
      play(window_, 0, CA_PROP_EVENT_ID, "bell-window-system", CA_PROP_EVENT_DESCRIPTION,
           "A key was refused", nullptr) == CA_SUCCESS) {
    return;
  }
  if (window_) {
    gtk_widget_error_bell(window_);
  } else {
    gdk_display_beep(gdk_display_get_default());
  }
}

void GtkHost::setCaretPos(int x, int y, int height) {
  if (!window_) return;
  // The candidate window opens under the caret's foot, not over the line.
  const GdkRectangle caret{x, y, 0, height};
  gtk_im_context_set_cursor_location(inputMethod_.get(), &caret);
}

// Some input methods commit what they compose on a reset: that text belongs to the field
// whose editing has ended, not to the one edited now.
void GtkHost::dropComposition() {
  droppingComposition_ = true;
  gtk_im_context_reset(inputMethod_.get());
  droppingComposition_ = false;
}

Palette GtkHost::palette() { return desktopPalette(window_); }

bool GtkHost::handleEvents(int waitMs) {
  GMainContext* context = g_main_context_default();
  if (waitMs <= 0) return g_main_context_iteration(context, waitMs < 0);
  bool fired = false;
  SourceId timeout;
  timeout.reset(g_timeout_add(static_cast<guint>(waitMs), stopWaiting, &fired));
  const bool handled = g_main_context_iteration(context, TRUE);
  if (fired) timeout.ended();
  return handled && !fired;
}

// GLib's wake-up of a context outlasts the call: a wait that starts later ends at once.
void GtkHost::wake() { g_main_context_wakeup(g_main_context_default()); }

void GtkHost::closeWindow() {
  if (window_) gtk_widget_destroy(window_);
}

bool GtkHost::isForeground() { return window_ && gtk_window_is_active(GTK_WINDOW(window_)); }

void GtkHost::create(SettingsForm& form, WindowLoop& loop, OffscreenFrame& frame,
                     const std::string& title) {
  form_ = &form;
  loop_ = &loop;
  frame_ = &frame;
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), title.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  // Every handler below is handed the host.
  const auto on = [this](gpointer instance, const char* signal, auto handler) {
    return g_signal_connect(instance, signal, G_CALLBACK(+handler), this);
  };
  g_signal_connect_after(
      window_, "realize", G_CALLBACK(+[](GtkWidget* window) {
        // A caption with close and minimise boxes only: no maximising, no sizing border.
        GdkWindow* own = gtk_widget_get_window(window);
        gdk_window_set_functions(own,
                                 GdkWMFunction(GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE | GDK_FUNC_CLOSE));
        gdk_window_set_decorations(own, GdkWMDecoration(GDK_DECOR_BORDER | GDK_DECOR_TITLE |
                                                        GDK_DECOR_MENU | GDK_DECOR_MINIMIZE));
      }),
      nullptr);
  on(window_, "destroy", [](GtkWidget*, gpointer p) {
    GtkHost& w = self(p);
    w.frame_->onPresent(nullptr);
    gtk_im_context_set_client_window(w.inputMethod_.get(), nullptr);
    // The screen and the settings outlive the window: what they would tell is no longer heard.
    g_signal_handlers_disconnect_by_data(gtk_widget_get_screen(w.window_), p);
    g_signal_handlers_disconnect_by_data(gtk_settings_get_default(), p);
    w.folderMonitor_.reset();
    w.folderChanged_ = nullptr;
    gdk_event_handler_set([](GdkEvent* event, gpointer) { gtk_main_do_event(event); }, nullptr,
                          nullptr);
    w.window_ = nullptr;
    w.area_ = nullptr;
    w.loop_->windowGone();
  });
  // Under a modal dialog's grab GTK drops the window's close before any handler sees it;
  // the loop keeps it for after the dialog.
  gdk_event_handler_set(
      [](GdkEvent* event, gpointer p) {
        GtkHost& w = self(p);
        if (event->type == GDK_DELETE && w.window_ && w.loop_->modalRunning() &&
            event->any.window == gtk_widget_get_window(w.window_)) {
          w.loop_->closeBox(*w.form_);
        }
        gtk_main_do_event(event);
      },
      this, nullptr);
  on(window_, "delete-event", [](GtkWidget*, GdkEvent*, gpointer p) {
    self(p).loop_->closeBox(*self(p).form_);
    return TRUE;
  });
  on(window_, "focus-in-event", [](GtkWidget*, GdkEventFocus*, gpointer p) {
    gtk_im_context_focus_in(self(p).inputMethod_.get());
    onFocusGained(*self(p).form_);
    return FALSE;
  });
  on(window_, "focus-out-event", [](GtkWidget*, GdkEventFocus*, gpointer p) {
    onFocusLost(*self(p).form_);
    gtk_im_context_focus_out(self(p).inputMethod_.get());
    return FALSE;
  });
  on(window_, "key-press-event", [](GtkWidget*, GdkEventKey* event, gpointer p) {
    GtkHost& w = self(p);
    const Modifiers mods = modifiersOf(GdkModifierType(event->state));
    // X reports a held key's repeats as presses without releases in between. Keys pressed with
    // Alt are the system's (its menu keys on Windows), not text.
    if (onKeyPressed(*w.form_, event->hardware_keycode, keyStrokeOf(event->keyval, mods))) {
      // A repeat the caret keys took.
    } else if (const auto action = shortcutFor(acceleratorKey(keyLayoutsOf(event)), mods)) {
      w.loop_->shortcut(*w.form_, *action);
    } else if (!mods.alt && !gtk_im_context_filter_keypress(w.inputMethod_.get(), event)) {
      // What the input method takes is its own: typed text arrives through "commit", and a
      // key that edits a composition (Backspace, Escape) belongs to the composition.
      if (const auto unit = controlCharacter(event->keyval, mods)) onChar(*w.form_, *unit);
    }
    // Every key is the editor's: no focus moves, mnemonics or menu keys of GTK's own.
    return TRUE;
  });
  on(window_, "key-release-event", [](GtkWidget*, GdkEventKey* event, gpointer p) {
    const KeyStroke now = keyStrokeOf(event->keyval, modifiersOf(GdkModifierType(event->state)));
    // A release the input method takes belongs to its composition.
    const bool composing = gtk_im_context_filter_keypress(self(p).inputMethod_.get(), event);
    onKeyReleased(*self(p).form_, event->hardware_keycode, now, !composing);
    return TRUE;
  });

  // Screen readers see the page's controls as the area's accessible children.
  area_ = accessibleDrawingArea(accessibleSource(*form_));
  gtk_widget_set_size_request(area_, kClientWidth, kClientHeight);
  gtk_widget_add_events(area_, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                   GDK_BUTTON_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK |
                                   GDK_LEAVE_NOTIFY_MASK);
  on(area_, "draw", [](GtkWidget*, cairo_t* cr, gpointer p) {
    GtkHost& w = self(p);
    // A frame let go at rest is drawn anew when the window must show it again.
    if (!w.frame_->held()) {
      w.redrawing_ = true;
      onPaint(*w.form_);
      w.redrawing_ = false;
    }
    // The frame is drawn at the form's scale times the device's: scaled so, its pixels meet
    // the device's one to one.
    const double scale = w.loop_->scale();
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, w.frame_->surface(), 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    return TRUE;
  });
  on(area_, "realize", [](GtkWidget* area, gpointer p) {
    GdkWindow* window = gtk_widget_get_window(area);
    gtk_im_context_set_client_window(self(p).inputMethod_.get(), window);
    // Memory the display reads directly: showing a frame then copies nothing.
    self(p).frame_->surfacesFrom([window](int width, int height) {
      return gdk_window_create_similar_image_surface(window, CAIRO_FORMAT_ARGB32, width, height, 1);
    });
    self(p).followScale();
  });
  on(area_, "unrealize", [](GtkWidget*, gpointer p) { self(p).frame_->surfacesFrom(nullptr); });
  // A change of the display's scale, the desktop's text size or the monitors sizes the
  // window anew.
  const auto rescale = [](gpointer, gpointer, gpointer p) { self(p).followScale(); };
  on(area_, "notify::scale-factor", rescale);
  on(area_, "motion-notify-event", [](GtkWidget*, GdkEventMotion* event, gpointer p) {
    self(p).loop_->pointerMoved(*self(p).form_, event->x, event->y);
    return TRUE;
  });
  on(area_, "button-press-event", [](GtkWidget*, GdkEventButton* event, gpointer p) {
    // A double click is two presses; GTK's extra double-click event is not a third.
    if (event->type == GDK_BUTTON_PRESS && event->button == GDK_BUTTON_PRIMARY) {
      self(p).loop_->buttonDown(*self(p).form_, event->x, event->y);
    }
    return TRUE;
  });
  on(area_, "button-release-event", [](GtkWidget*, GdkEventButton* event, gpointer p) {
    if (event->button == GDK_BUTTON_PRIMARY)
      self(p).loop_->buttonUp(*self(p).form_, event->x, event->y);
    return TRUE;
  });
  on(area_, "enter-notify-event", [](GtkWidget*, GdkEventCrossing* event, gpointer p) {
    if (pointerReallyCrossed(event->mode)) self(p).loop_->pointerEntered();
    return FALSE;
  });
  on(area_, "leave-notify-event", [](GtkWidget*, GdkEventCrossing* event, gpointer p) {
    if (pointerReallyCrossed(event->mode)) self(p).loop_->pointerLeft(*self(p).form_);
    return FALSE;
  });
  // Dropped files come as a plain URI list. GTK's own list of URI targets would also register
  // with the desktop's file-transfer portal, a blocking round trip to the session bus (or the
  // start of one) before the window shows, and a bus connection held from then on.
  static const GtkTargetEntry kUriList[] = {{const_cast<gchar*>("text/uri-list"), 0, 0}};
  gtk_drag_dest_set(area_, GTK_DEST_DEFAULT_ALL, kUriList, G_N_ELEMENTS(kUriList), GDK_ACTION_COPY);
  on(area_, "drag-data-received",
     [](GtkWidget*, GdkDragContext*, gint, gint, GtkSelectionData* data, guint, guint, gpointer p) {
       const GStringList uris(gtk_selection_data_get_uris(data));
       self(p).loop_->drop(*self(p).form_, localPathsFromUris(uris.get()));
     });
  gtk_container_add(GTK_CONTAINER(window_), area_);

  // Characters come from the input method; what it is composing is drawn in the field at the
  // caret until it is committed.
  inputMethod_.reset(gtk_im_multicontext_new());
  gtk_im_context_set_use_preedit(inputMethod_.get(), TRUE);
  on(inputMethod_.get(), "commit", [](GtkIMContext*, gchar* text, gpointer p) {
    if (self(p).droppingComposition_) return;
    for (const char16_t unit : fromUtf8(text)) onChar(*self(p).form_, unit);
  });
  on(inputMethod_.get(), "preedit-changed", [](GtkIMContext* context, gpointer p) {
    gchar* composing = nullptr;
    gtk_im_context_get_preedit_string(context, &composing, nullptr, nullptr);
    const GString8 owned(composing);
    onComposition(*self(p).form_, fromUtf8(composing ? composing : ""));
  });

  // A new theme may be one of high contrast, or no longer one: the next frame reads it.
  on(area_, "style-updated", [](GtkWidget* area, gpointer p) {
    // Before the area is realized nothing shows a frame, and show() draws the first one.
    if (self(p).window_ && gtk_widget_get_realized(area)) onPaint(*self(p).form_);
  });
  GdkScreen* screen = gtk_widget_get_screen(window_);
  on(screen, "notify::resolution", rescale);
  on(screen, "monitors-changed", [](GdkScreen*, gpointer p) { self(p).followScale(); });
  // The desktop's text-scaling setting reaches GTK as gtk-xft-dpi.
  on(gtk_settings_get_default(), "notify::gtk-xft-dpi", rescale);

  frame_->onPresent([this] {
    if (area_ && !redrawing_) gtk_widget_queue_draw(area_);
    loop_->framePresented([this] { frame_->letGo(); });
  });
  onAnnounce([this](const AccessibleEvent& event) {
    if (area_) announceOnArea(area_, event);
  });
  onZoom([this](int percent) {
    followScale(percent);
    return loop_->shownZoom();
  });
}

GtkHost::~GtkHost() {
  if (window_) gtk_widget_destroy(window_);
}

void GtkHost::show() {
  // Showing the window may draw the first frame already (a new scale does); one more would
  // only repeat it on the way to the screen.
  const int presented = frame_->framesPresented();
  gtk_widget_show_all(window_);
  if (frame_->framesPresented() == presented) onPaint(*form_);
}

GdkRectangle GtkHost::workArea() const {
  // The chooser of the first start shows before there is a window: the default display's.
  GdkDisplay* display = window_ ? gtk_widget_get_display(window_) : gdk_display_get_default();
  GdkWindow* own = window_ ? gtk_widget_get_window(window_) : nullptr;
  GdkMonitor* monitor = own ? gdk_display_get_monitor_at_window(display, own) : nullptr;
  if (!monitor) monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle area{0, 0, 0, 0};
  if (monitor) gdk_monitor_get_workarea(monitor, &area);
  return area;
}

void GtkHost::followScale(std::optional<int> zoomPercent) {
  if (!area_) return;
  const GdkRectangle room = workArea();
  // The desktop's text size: GDK_DPI_SCALE times Xft.dpi, or the desktop's setting for it.
  const double textScale =
      gdk_screen_get_resolution(gtk_widget_get_screen(window_)) / kDefaultResolution;
  const double before = loop_->scale();
  const double scale = loop_->fit(*form_,
                                  {textScale, kClientWidth, kClientHeight, double(room.width),
                                   double(room.height - kTitleBarAllowance)},
                                  zoomPercent);
  const double device = gtk_widget_get_scale_factor(area_);
  if (scale == before && device * scale == frame_->scale()) return;
  gtk_widget_set_size_request(area_, scaledLength(kClientWidth, scale),
                              scaledLength(kClientHeight, scale));
  frame_->setScale(device * scale);
  onPaint(*form_);
}

}  // namespace zarq::gtk
