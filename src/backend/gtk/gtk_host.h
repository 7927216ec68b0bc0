#pragma once
// The editor's desktop on GTK: message boxes and file choosers modal on the window, the
// clipboard, the bell, the input method's cursor, the window's focus and turns of GLib's main
// loop.

#include <gtk/gtk.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "backend/gtk/glib_owned.h"
#include "platform/desktop.h"

namespace zarq::gtk {

class GtkHost final : public Desktop {
 public:
  // File choosers always open in `workFolder`, the editor's folder, where its files are.
  explicit GtkHost(std::filesystem::path workFolder);

  // The window that owns every dialog and the input method whose cursor follows the caret;
  // both null before the window exists and after it is destroyed.
  void attach(GtkWindow* window, GtkIMContext* inputMethod);
  void detach() { attach(nullptr, nullptr); }

  // Iterations of GLib's default main context.
  bool handleEvents(int waitMs) override;
  void wake() override;
  void closeWindow() override;
  // gtk_dialog_run on the window: GTK's own nested loop.
  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  // Each running dialog gets the response of its close box.
  void closeDialogs() override;
  // The file chooser, in the editor's folder.
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  // The desktop's sound theme, else the X bell.
  void beep() override;
  // The input method's cursor.
  void setCaretPos(int x, int y, int height) override;
  ClipboardText clipboardText() override;
  void setClipboardText(TextView text) override;
  // Through inotify (GFileMonitor); the watch ends when the window is detached.
  void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // The theme's colours: its own where its name says high contrast.
  Palette palette() override;
  bool isForeground() override;

 private:
  static void onFolderChanged(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event,
                              gpointer self);
  gint runModal(GtkDialog* dialog);
  void closeModal(GtkDialog* dialog);
  std::optional<std::filesystem::path> chooseFile(GtkFileChooserAction action, const char* title,
                                                  const char* acceptLabel, TextView filterName,
                                                  TextView pattern);

  GtkWindow* window_ = nullptr;
  GtkIMContext* inputMethod_ = nullptr;
  std::filesystem::path workFolder_;
  std::vector<GtkDialog*> modals_;  // innermost last
  GObjectRef<GFileMonitor> folderMonitor_;
  std::function<void()> folderChanged_;
};

}  // namespace zarq::gtk
