#pragma once
// The editor's desktop on GTK, one object with its window: a fixed 944 x 681 drawing area
// showing the top-left of the 960 x 720 frame, with every GTK event handed to the form's
// window events (the area is that size at the desktop's text size and the user's zoom, within
// the screen's work area); message boxes and file choosers modal on the window, the
// clipboard, the bell, the input method's cursor, the window's focus and turns of GLib's main
// loop.

#include <gtk/gtk.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backend/cairo/offscreen_frame.h"
#include "backend/gtk/glib_owned.h"
#include "platform/desktop.h"

namespace zarq {
struct SettingsForm;
class WindowLoop;
}  // namespace zarq

namespace zarq::gtk {

// The client area of a 960 x 720 window with a caption on Windows.
inline constexpr int kClientWidth = 944;
inline constexpr int kClientHeight = 681;

class GtkHost final : public Desktop {
 public:
  // File choosers always open in `workFolder`, the editor's folder, where its files are.
  // Until a window is created the dialogs have no owner.
  explicit GtkHost(std::filesystem::path workFolder);
  ~GtkHost() override;

  // Creates the window titled `title` (UTF-8) without showing it, showing `frame` and its
  // events going to `loop`; the dialogs are owned by it from here on.
  void create(SettingsForm& form, WindowLoop& loop, OffscreenFrame& frame,
              const std::string& title);
  // Shows the window and draws its first frame.
  void show();

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
  // Reset, with whatever the input method commits meanwhile discarded.
  void dropComposition() override;
  ClipboardText clipboardText() override;
  void setClipboardText(TextView text) override;
  // Through inotify (GFileMonitor); the watch ends when the window is destroyed.
  bool watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override;
  // The theme's colours: its own where its name says high contrast.
  Palette palette() override;
  bool isForeground() override;

 private:
  gint runModal(GtkDialog* dialog);
  void closeModal(GtkDialog* dialog);
  std::optional<std::filesystem::path> chooseFile(GtkFileChooserAction action, const char* title,
                                                  const char* acceptLabel, TextView filterName,
                                                  TextView pattern);
  // Sizes the window for the desktop's text size (GDK_DPI_SCALE, Xft.dpi) and the user's zoom,
  // scaled down to fit the work area of its monitor, and draws the frame at that scale times
  // the display's (GDK_SCALE, a scaled monitor), so that it is sharp there; a change of any
  // of them redraws it. `zoomPercent` is the user's zoom from here on.
  void followScale(std::optional<int> zoomPercent = {});
  // The work area of the window's monitor (the first monitor before it is shown).
  GdkRectangle workArea() const;

  std::filesystem::path workFolder_;
  std::vector<GtkDialog*> modals_;  // innermost last
  GObjectRef<GFileMonitor> folderMonitor_;
  std::function<void()> folderChanged_;
  SettingsForm* form_ = nullptr;
  WindowLoop* loop_ = nullptr;
  OffscreenFrame* frame_ = nullptr;
  bool redrawing_ = false;  // a frame drawn for the area's own draw, which shows it at once
  GtkWidget* window_ = nullptr;
  GtkWidget* area_ = nullptr;
  GObjectRef<GtkIMContext> inputMethod_;
  bool droppingComposition_ = false;
};

}  // namespace zarq::gtk
