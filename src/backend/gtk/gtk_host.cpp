#include "backend/gtk/gtk_host.h"

#include <canberra-gtk.h>
#include <dlfcn.h>

#include <string>

#include "backend/gtk/desktop_palette.h"
#include "backend/gtk/file_pattern.h"
#include "common/utf.h"

namespace zarq::gtk {
namespace {

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

}  // namespace

GtkHost::GtkHost(std::filesystem::path workFolder) : workFolder_(std::move(workFolder)) {}

void GtkHost::attach(GtkWindow* window, GtkIMContext* inputMethod) {
  window_ = window;
  inputMethod_ = inputMethod;
  if (!window) {
    folderMonitor_.reset();
    folderChanged_ = nullptr;
  }
}

void GtkHost::watchFolder(const std::filesystem::path& folder, std::function<void()> changed) {
  folderChanged_ = std::move(changed);
  const GObjectRef<GFile> file(g_file_new_for_path(folder.c_str()));
  folderMonitor_.reset(
      g_file_monitor_directory(file.get(), G_FILE_MONITOR_WATCH_MOVES, nullptr, nullptr));
  if (!folderMonitor_) return;
  g_signal_connect(folderMonitor_.get(), "changed", G_CALLBACK(onFolderChanged), this);
}

void GtkHost::onFolderChanged(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event,
                              gpointer self) {
  // A file written is told by its changes being done, not by every block written.
  if (event == G_FILE_MONITOR_EVENT_CHANGED || event == G_FILE_MONITOR_EVENT_PRE_UNMOUNT) return;
  auto* host = static_cast<GtkHost*>(self);
  if (host->folderChanged_) host->folderChanged_();
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
  if (window_) gtk_window_present(window_);
}

MessageAnswer GtkHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  GtkWidget* dialog = gtk_message_dialog_new(
      window_, GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT), GTK_MESSAGE_OTHER,
      GTK_BUTTONS_NONE, "%s", toUtf8(text).c_str());
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

std::optional<std::filesystem::path> GtkHost::chooseFile(GtkFileChooserAction action,
                                                         const char* title, const char* acceptLabel,
                                                         TextView filterName, TextView pattern) {
  GtkWidget* dialog =
      gtk_file_chooser_dialog_new(title, window_, action, "取消(_C)", GTK_RESPONSE_CANCEL,
                                  acceptLabel, GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
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

ClipboardText GtkHost::clipboardText() {
  GtkClipboard* clipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
  if (!clipboard) return {ClipboardText::Status::Unavailable, {}};
  GdkAtom* targets = nullptr;
  gint count = 0;
  // No owner, or an owner without any text form: nothing to paste.
  if (!gtk_clipboard_wait_for_targets(clipboard, &targets, &count)) {
    return {ClipboardText::Status::NoText, {}};
  }
  const GArrayOf<GdkAtom> ownedTargets(targets);
  if (!gtk_targets_include_text(targets, count)) return {ClipboardText::Status::NoText, {}};
  // Text was offered but could not be fetched: the owner failed or went away meanwhile.
  const GString8 utf8(gtk_clipboard_wait_for_text(clipboard));
  if (!utf8) return {ClipboardText::Status::LockFailed, {}};
  return {ClipboardText::Status::Text, fromUtf8(utf8.get())};
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
      play(GTK_WIDGET(window_), 0, CA_PROP_EVENT_ID, "bell-window-system",
           CA_PROP_EVENT_DESCRIPTION, "A key was refused", nullptr) == CA_SUCCESS) {
    return;
  }
  if (window_) {
    gtk_widget_error_bell(GTK_WIDGET(window_));
  } else {
    gdk_display_beep(gdk_display_get_default());
  }
}

void GtkHost::setCaretPos(int x, int y, int height) {
  if (!inputMethod_) return;
  // The candidate window opens under the caret's foot, not over the line.
  const GdkRectangle caret{x, y, 0, height};
  gtk_im_context_set_cursor_location(inputMethod_, &caret);
}

Palette GtkHost::palette() { return desktopPalette(GTK_WIDGET(window_)); }

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
  if (window_) gtk_widget_destroy(GTK_WIDGET(window_));
}

bool GtkHost::isForeground() { return window_ && gtk_window_is_active(window_); }

}  // namespace zarq::gtk
