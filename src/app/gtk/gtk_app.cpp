#include "app/gtk/gtk_app.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/gtk/editor_window.h"
#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/pixbuf_decoder.h"
#include "backend/gtk/gtk_host.h"
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace zarq::gtk {

int runEditor(int argc, char** argv) {
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
  PangoText text;
  PixbufDecoder images;
  OffscreenFrame frame(text);
  GtkHost host(workDir);
  const Platform platform{text, images, host, frame};
  auto form = std::make_unique<SettingsForm>(platform, workDir);

  // As on Windows: the window exists, the form is built into it (loading "save.set"),
  // and only then is it shown.
  EditorWindow window(*form, frame, host);
  onWindowCreate(*form);
  window.show();
  gtk_main();
  return 0;
}

}  // namespace zarq::gtk
