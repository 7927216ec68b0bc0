// Saving and loading a preset of the version written; a load includes its final showPage.
// "Longest" fills every text slot to its 199 units, the worst case for fitting the visible
// text.
// A cold load meets its texts for the first time (nothing measured yet); a warm one loads
// texts that were measured before.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "backend/cairo/headless_platform.h"
#include "editor/preset_actions.h"
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace {

namespace fs = std::filesystem;

enum Content { kDefaults, kLongest };

struct Bench {
  explicit Bench(Content content) {
    std::random_device seed;
    dir = fs::temp_directory_path() / ("zarq-bench-" + std::to_string(seed()));
    fs::create_directories(dir);
    form = freshForm();
    if (content == kLongest) {
      for (int slot = 0; slot < zarq::kFieldCount; ++slot) {
        form->fields[slot].setText(zarq::Text(199, static_cast<char16_t>(u'一' + slot)));
      }
      form->labels[zarq::label::obtainedType].caption = u"曲绘";
    }
    zarq::savePreset(*form, file, true);
  }
  ~Bench() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::unique_ptr<zarq::SettingsForm> freshForm() {
    auto fresh = std::make_unique<zarq::SettingsForm>(headless.platform(), dir);
    zarq::onWindowCreate(*fresh);
    return fresh;
  }

  fs::path dir;
  fs::path file = dir / "bench.set";
  zarq::HeadlessPlatform headless;
  std::unique_ptr<zarq::SettingsForm> form;
};

const char* contentName(std::int64_t content) {
  return content == kLongest ? "longest" : "defaults";
}

void SavePreset(benchmark::State& state) {
  Bench b(static_cast<Content>(state.range(0)));
  for (auto _ : state) {
    if (!zarq::savePreset(*b.form, b.file, true)) state.SkipWithError("save failed");
  }
  state.SetLabel(contentName(state.range(0)));
}
BENCHMARK(SavePreset)->Arg(kDefaults)->Arg(kLongest)->Unit(benchmark::kMicrosecond);

void LoadPresetWarm(benchmark::State& state) {
  Bench b(static_cast<Content>(state.range(0)));
  zarq::loadPreset(*b.form, b.file, true);
  for (auto _ : state) {
    if (!zarq::loadPreset(*b.form, b.file, true)) state.SkipWithError("load failed");
  }
  state.SetLabel(contentName(state.range(0)));
}
BENCHMARK(LoadPresetWarm)->Arg(kDefaults)->Arg(kLongest)->Unit(benchmark::kMicrosecond);

void LoadPresetCold(benchmark::State& state) {
  Bench b(static_cast<Content>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    b.form = b.freshForm();
    state.ResumeTiming();
    if (!zarq::loadPreset(*b.form, b.file, true)) state.SkipWithError("load failed");
  }
  state.SetLabel(contentName(state.range(0)));
}
// A fresh form has measured its defaults already, so only new texts make a load cold.
BENCHMARK(LoadPresetCold)->Arg(kLongest)->Unit(benchmark::kMicrosecond);

}  // namespace
