#pragma once
// The editor's side effects on GTK: message boxes and file choosers modal on the window, the
// clipboard, the bell, the input method's cursor, the clock and the window's focus.

#include <gtk/gtk.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "backend/gtk/glib_owned.h"
#include "platform/platform.h"

namespace zarq::gtk {

class GtkHost final : public Host {
 public:
  // File choosers always open in `workFolder`, the editor's folder, where its files are.
  explicit GtkHost(std::filesystem::path workFolder);

  // The window that owns every dialog and the input method whose cursor follows the caret;
  // both null before the window exists and after it is destroyed.
  void attach(GtkWindow* window, GtkIMContext* inputMethod);
  void detach() { attach(nullptr, nullptr); }
  // True while a message box or dialog runs its own loop: the window takes no input then.
  bool modalRunning() const { return !modals_.empty(); }
  // Where the screen readers' changes go: the window's accessible objects.
  void onAnnounce(std::function<void(const AccessibleEvent&)> listener) {
    announced_ = std::move(listener);
  }
  // The window's pixels per pixel of the form, for the input method's cursor.
  void setFormScale(double scale) { formScale_ = scale; }
  // How the window takes a new zoom of the form.
  void onZoom(std::function<int(int)> apply) { applyZoom_ = std::move(apply); }

  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  ClipboardText clipboardText() override;
  void setClipboardText(TextView text) override;
  void beep() override;
  void setCaretPos(int x, int y) override;
  std::int32_t clockMs() override;
  bool isForeground() override;
  void postToWindowThread(int delayMs, std::function<void()> task) override;
  void runLongWork(const std::function<void()>& work, const std::function<void()>& paint) override;
  void announce(const AccessibleEvent& event) override {
    if (announced_) announced_(event);
  }
  Palette palette() override;
  int zoomTo(int percent) override;
  bool longWorkRunning() const override { return longWorkDepth_ > 0; }
  // Through inotify (GFileMonitor); the watch ends when the window is detached.
  void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // Answers every message box and dialog running as if it were closed (No, cancelled), and
  // every one opened later without showing it.
  void dismissDialogs() override;

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
  gint64 startMicros_;
  std::vector<GtkDialog*> modals_;  // innermost last
  int longWorkDepth_ = 0;
  std::optional<GdkRectangle> caret_;
  std::function<void(const AccessibleEvent&)> announced_;
  double formScale_ = 1;
  std::function<int(int)> applyZoom_;
  bool dismissing_ = false;
  GObjectRef<GFileMonitor> folderMonitor_;
  std::function<void()> folderChanged_;
};

}  // namespace zarq::gtk
