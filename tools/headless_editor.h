#pragma once
// The editor without a window: the form built in a folder as at start-up (which loads that
// folder's "save.set", but never moves it), for the subcommands that look at or produce
// presets.

#include <filesystem>

#ifdef _WIN32
#include "backend/win32/headless_platform.h"
#else
#include "backend/cairo/headless_platform.h"
#endif
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace zarq::tool {

struct HeadlessEditor {
  explicit HeadlessEditor(std::filesystem::path dir) : form(headless.platform(), std::move(dir)) {
    buildFormWithSavedForm(form);
  }

  HeadlessPlatform headless;
  SettingsForm form;
};

}  // namespace zarq::tool
