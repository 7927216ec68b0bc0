#pragma once
// The editor without a window: the form built in a folder as at start-up (which loads that
// folder's "save.set", but never moves it), for the subcommands that look at or produce
// presets. A run builds its forms on one platform, which measures each text once for all
// of them.

#include <filesystem>

#ifdef _WIN32
#include "backend/win32/headless_platform.h"
#else
#include "backend/cairo/headless_platform.h"
#endif
#include "editor/window_events.h"
#include "form/settings_form.h"
#include "measure_cache.h"

namespace zarq::tool {

// What a run's forms are built on, one after another.
struct ToolPlatform {
  explicit ToolPlatform(FileSystem& files) : files(files) {}
  HeadlessPlatform headless;
  MeasureCache text{headless.text};
  FileSystem& files;
  Platform platform() { return {text, headless.images, headless.quietHost, headless.frame, files}; }
};

struct HeadlessEditor {
  HeadlessEditor(ToolPlatform& platform, std::filesystem::path dir)
      : form(platform.platform(), std::move(dir)) {
    buildFormWithSavedForm(form);
  }

  SettingsForm form;
};

}  // namespace zarq::tool
