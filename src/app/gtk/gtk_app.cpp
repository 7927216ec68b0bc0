#include "app/gtk/gtk_app.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/gtk/app_icon.h"
#include "app/gtk/chinese_messages.h"
#include "app/gtk/command_line.h"
#include "app/gtk/editor_window.h"
#include "app/gtk/session_signals.h"
#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/pixbuf_decoder.h"
#include "backend/gtk/gtk_host.h"
#include "editor/window_events.h"
#include "editor/work_folder_lock.h"
#include "form/settings_form.h"

namespace zarq::gtk {

int runEditor(int argc, char** argv) {
  // GTK's own options (--display, ...) are taken out first; what is left is the editor's.
  if (!gtk_parse_args(&argc, &argv)) {
    std::fprintf(stderr, "zarq-settings: bad GTK option (see zarq-settings --help)\n");
    return 2;
  }
  const EditorCommandLine line = readCommandLine({argv + std::min(argc, 1), argv + argc});
  switch (line.action) {
    case EditorCommandLine::Action::Help:
      std::fputs(editorHelp().c_str(), stdout);
      return 0;
    case EditorCommandLine::Action::Version:
      std::fputs(editorVersion().c_str(), stdout);
      return 0;
    case EditorCommandLine::Action::Refuse:
      std::fprintf(stderr, "zarq-settings: %s\n", line.problem.c_str());
      return 2;
    case EditorCommandLine::Action::Run:
      break;
  }
  useChineseMessages();
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "zarq-settings: cannot open the display\n");
    return 1;
  }
  std::error_code error;
  const std::filesystem::path workDir = std::filesystem::current_path(error);
  if (error) {
    std::fprintf(stderr, "zarq-settings: cannot read the current directory: %s\n",
                 error.message().c_str());
    return 1;
  }
  provideAppIcon();
  GtkHost host(workDir);
  // One application instance of GTK's would be one for every folder: a second editor in the
  // same folder says that the folder is in use and ends instead.
  const std::unique_ptr<FolderLock> lock = lockWorkFolder(workDir, host, [] { return false; });
  if (!lock) return 1;
  PangoText text;
  PixbufDecoder images;
  OffscreenFrame frame(text);
  const Platform platform{text, images, host, frame};
  auto form = std::make_unique<SettingsForm>(platform, workDir);

  // As on Windows: the window exists, the form is built into it (loading "save.set"),
  // and only then is it shown.
  EditorWindow window(*form, frame, host);
  onWindowCreate(*form);
  window.show();
  const SessionSignals signals([&window] { window.endSession(); });
  gtk_main();
  // Ended by a signal: the form is saved, and the exit status says what ended it.
  return signals.received() ? 128 + signals.received() : 0;
}

}  // namespace zarq::gtk
