// Cost of validating as the user types: a level digit (no file access), a chart ID whose
// chart file is 1 MB, read and scanned for its version on every change, and a chart ID key in
// a folder of 100 and of 100,000 files, where the chart, the music and the illustration are
// found only by ignoring case.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
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

// A folder of `count` files, made once per size for every run of the benchmark.
const std::filesystem::path& folderOfFiles(int count) {
  static std::map<int, BenchFolder> folders;
  auto [at, made] = folders.try_emplace(count);
  if (made) {
    const std::filesystem::path& dir = at->second.path;
    std::ofstream(dir / "Song.JSON") << "{}";
    for (const char* name : {"Song.OGG", "Song.Png"}) std::ofstream(dir / name) << "x";
    for (int i = 3; i < count; ++i) std::ofstream(dir / ("take" + std::to_string(i) + ".wav"));
    // As a folder the user works in: its last change a while ago, not a moment ago.
    std::filesystem::last_write_time(
        dir, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
  }
  return at->second.path;
}

void ChartIdKeyInFolderOf(benchmark::State& state) {
  HeadlessPlatform platform;
  SettingsForm form(platform.platform(), folderOfFiles(static_cast<int>(state.range(0))));
  onWindowCreate(form);
  bool second = false;
  for (auto _ : state) {
    // A key typed and one taken back: neither spelling is a file's exact name.
    form.fields[slot::chartId].setText((second = !second) ? u"songs" : u"song");
    validateAndCommit(form, slot::chartId);
    benchmark::DoNotOptimize(form.fields[slot::chartId].bubble);
  }
}
BENCHMARK(ChartIdKeyInFolderOf)->Arg(100)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The same just after a file came and went: the folder is listed again, once for the key.
void ChartIdKeyAfterAChangeInFolderOf(benchmark::State& state) {
  const std::filesystem::path& dir = folderOfFiles(static_cast<int>(state.range(0)));
  HeadlessPlatform platform;
  SettingsForm form(platform.platform(), dir);
  onWindowCreate(form);
  bool second = false;
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(dir / "passing.tmp");
    std::filesystem::remove(dir / "passing.tmp");
    state.ResumeTiming();
    form.fields[slot::chartId].setText((second = !second) ? u"songs" : u"song");
    validateAndCommit(form, slot::chartId);
    benchmark::DoNotOptimize(form.fields[slot::chartId].bubble);
  }
}
BENCHMARK(ChartIdKeyAfterAChangeInFolderOf)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarq
