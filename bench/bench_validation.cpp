// Cost of validating as the user types: a level digit (no file access) and a chart ID whose
// chart file is 1 MB, read and scanned for its version on every change.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "backend/cairo/headless_platform.h"
#include "common/numbers.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "form/settings_form.h"
#include "validate/validation.h"

namespace zarq {
namespace {

// A folder of its own for the form's files, removed afterwards.
struct BenchFolder {
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarq-bench-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~BenchFolder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

// About 1 MB of note entries, with the version key at the very end so that every scan
// crosses the whole file.
std::string largeChart() {
  std::string chart = "{\n  \"judgeLineList\": [\n";
  while (chart.size() < 1'000'000) {
    chart +=
        "    {\"type\": 1, \"time\": 1234, \"positionX\": 0.5, \"holdTime\": 0.0, \"speed\": "
        "1.0},\n";
  }
  chart += "  ],\n  \"ZarqVersion\": 120\n}\n";
  return chart;
}

void TypedCharacterInLevel(benchmark::State& state) {
  BenchFolder folder;
  HeadlessPlatform platform;
  SettingsForm form(platform.platform(), folder.path);
  onWindowCreate(form);
  showPage(form, 2);
  int counter = 0;
  for (auto _ : state) {
    // A text not seen before, so that no measurement comes from the cache.
    form.fields[slot::level].setText(intText(++counter % 100'000'000));
    validateAndCommit(form, slot::level);
    benchmark::DoNotOptimize(form.fields[slot::level].bubble);
  }
}
BENCHMARK(TypedCharacterInLevel)->Unit(benchmark::kMicrosecond);

void ChartIdWithOneMegabyteChart(benchmark::State& state) {
  BenchFolder folder;
  const std::string chart = largeChart();
  for (const char* name : {"big.json", "big2.json"})
    std::ofstream(folder.path / name, std::ios::binary) << chart;
  HeadlessPlatform platform;
  SettingsForm form(platform.platform(), folder.path);
  onWindowCreate(form);
  bool second = false;
  for (auto _ : state) {
    // Alternating between two charts: each validation sees a changed ID.
    form.fields[slot::chartId].setText((second = !second) ? u"big2" : u"big");
    validateAndCommit(form, slot::chartId);
    benchmark::DoNotOptimize(form.fields[slot::chartId].bubble);
  }
  state.SetLabel(std::to_string(chart.size()) + " bytes");
}
BENCHMARK(ChartIdWithOneMegabyteChart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarq
