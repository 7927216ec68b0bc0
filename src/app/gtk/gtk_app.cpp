#include "app/gtk/gtk_app.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "app/gtk/app_icon.h"
#include "app/gtk/chinese_messages.h"
#include "app/gtk/editor_window.h"
#include "app/gtk/session_signals.h"
#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/pixbuf_decoder.h"
#include "backend/gtk/glib_owned.h"
#include "backend/gtk/gtk_host.h"
#include "common/utf.h"
#include "editor/command_line.h"
#include "editor/window_events.h"
#include "editor/work_folder_lock.h"
#include "editor/working_folder.h"
#include "editor/zoom.h"
#include "form/settings_form.h"

namespace zarq::gtk {
namespace {

// The program's name and its windows' class (WM_CLASS, the Wayland application id): the
// desktop entry's StartupWMClass names it, so that docks match the window to the entry.
constexpr char kProgramName[] = "zarq-settings";

constexpr char kGtkNote[] =
    "GTK's own options, such as --display=DISPLAY, are taken too. A file: URI (as the\n"
    "desktop's list of recent files gives it) stands for its file.\n";

// The desktop and the documents folder, where the desktop has them.
std::vector<std::filesystem::path> userFolders() {
  std::vector<std::filesystem::path> folders;
  for (const GUserDirectory kind : {G_USER_DIRECTORY_DESKTOP, G_USER_DIRECTORY_DOCUMENTS}) {
    if (const char* folder = g_get_user_special_dir(kind)) folders.emplace_back(folder);
  }
  return folders;
}

// An argument as the file it names: a file: URI becomes its path.
std::filesystem::path argumentPath(const char* arg) {
  if (g_str_has_prefix(arg, "file:")) {
    if (const GString8 name{g_filename_from_uri(arg, nullptr, nullptr)}) {
      return std::filesystem::path(name.get());
    }
  }
  return std::filesystem::path(arg);
}

}  // namespace

int runEditor(int argc, char** argv) {
  g_set_prgname(kProgramName);
  // GTK's own options (--display, ...) are taken out first; what is left is the editor's.
  if (!gtk_parse_args(&argc, &argv)) {
    std::fprintf(stderr, "zarq-settings: bad GTK option (see zarq-settings --help)\n");
    return 2;
  }
  std::vector<std::filesystem::path> args;
  for (int i = 1; i < argc; ++i) args.push_back(argumentPath(argv[i]));
  const EditorCommandLine line = readCommandLine(args);
  switch (line.action) {
    case EditorCommandLine::Action::Help:
      std::fputs(editorHelp(kGtkNote).c_str(), stdout);
      return 0;
    case EditorCommandLine::Action::Version:
      std::fputs(editorVersion(ZARQ_VERSION).c_str(), stdout);
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
  gdk_set_program_class(kProgramName);
  std::error_code error;
  StartPlaces places{std::filesystem::current_path(error), g_get_home_dir(),
                     g_get_user_config_dir(), userFolders()};
  if (error) {
    std::fprintf(stderr, "zarq-settings: cannot read the current directory: %s\n",
                 error.message().c_str());
    return 1;
  }

  // The working folder, chosen before anything else happens: from here on every file the
  // editor keeps lies in it.
  WorkingFolder work;
  {
    GtkHost startHost(places.home);
    work = enterWorkingFolder(line, places, startHost, osFileSystem());
  }
  if (!work.problem.empty()) {
    std::fprintf(stderr, "zarq-settings: %s\n", work.problem.c_str());
    return 1;
  }
  if (!work.folder) return 0;
  const std::filesystem::path& workDir = *work.folder;

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
  form->configHome = places.configHome;

  // As on Windows: the window exists, the form is built into it (loading "save.set"),
  // and only then is it shown.
  EditorWindow window(*form, frame, host, toUtf8(windowTitle(workDir)));
  onWindowCreate(*form);
  restoreZoom(*form);
  window.show();
  if (line.preset) {
    const std::filesystem::path preset = places.current / *line.preset;
    host.postToWindowThread(0, [&form, preset] { onOpenPreset(*form, preset); });
  }
  const SessionSignals signals([&window] { window.endSession(); });
  gtk_main();
  // Ended by a signal: the form is saved, and the exit status says what ended it.
  return signals.received() ? 128 + signals.received() : 0;
}

}  // namespace zarq::gtk
