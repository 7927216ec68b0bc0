// zarq-settings on Linux.

#include <gtk/gtk.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/gtk/chinese_messages.h"
#include "app/gtk/gtk_host.h"
#include "app/gtk/session_end.h"
#include "backend/cairo/font_warmup.h"
#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/picture_decoder.h"
#include "backend/gtk/glib_owned.h"
#include "backend/gtk/held_theme.h"
#include "backend/os/standard_streams.h"
#include "common/utf.h"
#include "editor/editor_start.h"
#include "editor/window_loop.h"

namespace zarq::gtk {
namespace {

// The program's name and its windows' class (WM_CLASS, the Wayland application id): the
// desktop entry's StartupWMClass names it, so that docks match the window to the entry.
constexpr char kProgramName[] = "zarq-settings";

// A PNG of the resources, read by the PNG loader named: left to guess the format, GdkPixbuf
// would load the desktop's MIME database to sniff it, and keep it mapped.
GdkPixbuf* pngFromResource(const char* path) {
  const std::unique_ptr<GBytes, decltype(&g_bytes_unref)> bytes{
      g_resources_lookup_data(path, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr), g_bytes_unref};
  const GObjectRef<GdkPixbufLoader> loader{gdk_pixbuf_loader_new_with_type("png", nullptr)};
  if (!bytes || !loader) return nullptr;
  gsize size = 0;
  const auto* data = static_cast<const guchar*>(g_bytes_get_data(bytes.get(), &size));
  const bool written = gdk_pixbuf_loader_write(loader.get(), data, size, nullptr);
  // The loader is closed whether or not the data was whole.
  if (!gdk_pixbuf_loader_close(loader.get(), nullptr) || !written) return nullptr;
  GdkPixbuf* picture = gdk_pixbuf_loader_get_pixbuf(loader.get());
  return picture ? GDK_PIXBUF(g_object_ref(picture)) : nullptr;
}

// The editor's icon is installed into the hicolor theme for the desktop's menus, and built
// into the program too, as pictures of the sizes a window shows, so that the window shows it
// even when the editor runs where it was built, without looking through the icon theme.
void provideAppIcon() {
  // The sizes the build drew into the program's resources (CMakeLists.txt).
  GList* icons = nullptr;
  for (const char* path :
       {"/org/zarqradoziro/settings/icon/32.png", "/org/zarqradoziro/settings/icon/64.png"}) {
    if (GdkPixbuf* icon = pngFromResource(path)) icons = g_list_append(icons, icon);
  }
  gtk_window_set_default_icon_list(icons);
  g_list_free_full(icons, g_object_unref);
}

// The desktop and the documents folder, where the desktop has them.
std::vector<std::filesystem::path> userFolders() {
  std::vector<std::filesystem::path> folders;
  for (const GUserDirectory kind : {G_USER_DIRECTORY_DESKTOP, G_USER_DIRECTORY_DOCUMENTS}) {
    if (const char* folder = g_get_user_special_dir(kind)) folders.emplace_back(folder);
  }
  return folders;
}

// The user's settings folder. XDG wants an absolute path in XDG_CONFIG_HOME and anything else
// ignored, which GLib does not: a relative one would put the settings in the working folder.
std::filesystem::path userConfigFolder() {
  const std::filesystem::path config = g_get_user_config_dir();
  return config.is_absolute() ? config : std::filesystem::path(g_get_home_dir()) / ".config";
}

// Files open at once that GTK's dialogs need besides the editor's own: short of them, a
// dialog cannot load its icons and GTK aborts the process, the form unsaved.
constexpr rlim_t kLeastOpenFiles = 20;
// As many as a shell gives by default, where the hard limit allows them.
constexpr rlim_t kWantedOpenFiles = 1024;

// Raises the soft limit of open files (ulimit -Sn) towards the hard one; false when the
// editor still cannot have enough of them.
bool enoughOpenFiles() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return true;
  if (limit.rlim_cur < kWantedOpenFiles) {
    limit.rlim_cur = std::min(limit.rlim_max, kWantedOpenFiles);
    setrlimit(RLIMIT_NOFILE, &limit);
    getrlimit(RLIMIT_NOFILE, &limit);
  }
  return limit.rlim_cur >= kLeastOpenFiles;
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

class GtkShell final : public EditorShell {
 public:
  GtkShell(int argc, char** argv) : argc_(argc), argv_(argv) {}

  std::string helpNote() override {
    return "GTK's own options, such as --display=DISPLAY, are taken too. A file: URI (as the\n"
           "desktop's list of recent files gives it) stands for its file.\n";
  }
  bool connect() override {
    useChineseMessages();
    fonts_.start();
    if (!gtk_init_check(&argc_, &argv_)) {
      say("zarq-settings: cannot open the display", true);
      return false;
    }
    gdk_set_program_class(kProgramName);
    releaseThemeWhereGtkDecorates(gdk_display_get_default());
    return true;
  }
  StartPlaces startPlaces(std::error_code& error) override {
    return {std::filesystem::current_path(error), g_get_home_dir(), userConfigFolder(),
            userFolders()};
  }
  std::unique_ptr<Desktop> dialogsIn(const std::filesystem::path& folder) override {
    return std::make_unique<GtkHost>(folder);
  }
  // One application instance of GTK's would be one for every folder: a second editor in the
  // same folder says that the folder is in use and ends instead.
  bool showOtherEditor(TextView) override { return false; }
  Desktop& open(const std::filesystem::path& folder) override {
    provideAppIcon();
    fonts_.handOver();
    frame_.emplace(text_.emplace());
    return host_.emplace(folder);
  }
  Platform platform(Host& host) override { return {*text_, images_, host, *frame_}; }
  bool createWindow(SettingsForm& form, WindowLoop& loop, TextView title) override {
    host_->create(form, loop, *frame_, toUtf8(title));
    return true;
  }
  void showWindow(SettingsForm& form, WindowLoop& loop) override {
    host_->show();
    // Held by pointer: the form and the loop outlive this call, its references do not.
    sessionEnd_.emplace([l = &loop, f = &form](int signal) { l->endSession(*f, signal); },
                        [l = &loop, f = &form] { return l->displayGone(*f); });
  }

 private:
  int argc_;
  char** argv_;
  FontWarmup fonts_;
  std::optional<PangoText> text_;
  PictureDecoder images_;
  std::optional<OffscreenFrame> frame_;
  std::optional<GtkHost> host_;
  std::optional<SessionEnd> sessionEnd_;
};

}  // namespace
}  // namespace zarq::gtk

int main(int argc, char** argv) {
  using namespace zarq::gtk;
  zarq::holdClosedStandardStreams();
  if (!enoughOpenFiles()) {
    std::fprintf(stderr, "zarq-settings: at least %d files must be open at once (ulimit -n)\n",
                 static_cast<int>(kLeastOpenFiles));
    return 1;
  }
  // The threads besides the window's are short helpers (the font warm-up, pango's font
  // matching, decoding): they take memory from the window thread's heap, not from heaps of
  // their own that would stay with the process after them.
  mallopt(M_ARENA_MAX, 1);
  g_set_prgname(kProgramName);
  holdThemeBack();
  // GTK's own options (--display, ...) are taken out first; what is left is the editor's.
  if (!gtk_parse_args(&argc, &argv)) {
    std::fprintf(stderr, "zarq-settings: bad GTK option (see zarq-settings --help)\n");
    return 2;
  }
  std::vector<std::filesystem::path> args;
  for (int i = 1; i < argc; ++i) args.push_back(argumentPath(argv[i]));
  GtkShell shell(argc, argv);
  return zarq::runEditor(shell, args);
}
