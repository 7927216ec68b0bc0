#pragma once
// The editor without a window for the benchmarks: a form built as at start-up in a fresh
// folder of its own, removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "backend/cairo/headless_platform.h"
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace zarq::bench {

struct BenchEditor {
  // `prepare` puts files into the folder before the form is built.
  explicit BenchEditor(const std::function<void(const std::filesystem::path&)>& prepare = {})
      : dir(freshFolder()), form(headless.platform(), dir) {
    if (prepare) prepare(dir);
    onWindowCreate(form);
  }
  ~BenchEditor() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  static std::filesystem::path freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarq-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data());
  }

  std::filesystem::path dir;
  HeadlessPlatform headless;
  SettingsForm form;
};

}  // namespace zarq::bench
