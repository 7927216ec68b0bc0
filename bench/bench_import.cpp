// Cost of filling the form from a large chart: 5 MB with 2,000 tempo entries, the string
// keys at its very end so that every scan reads the whole file.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "backend/cairo/headless_platform.h"
#include "bench_editor.h"
#include "editor/chart_import.h"
#include "editor/pages.h"
#include "files/chart_fill.h"
#include "files/chart_version.h"
#include "form/settings_form.h"

namespace {

using namespace zarq;

std::string bigChart() {
  std::string chart = "{\n  \"ZarqVersion\" : 120,\n  \"judgeLineList\" : [\n";
  std::string note =
      "        { \"type\" : 1, \"time\" : 1234, \"positionX\" : 0.5, \"speed\" : 1.0 },\n";
  const std::size_t perLine = (5'000'000 / 2000) / note.size();
  for (int line = 0; line < 2000; ++line) {
    chart += "    { \"bpm\" : " + std::to_string(100 + line % 150) + ".5,\n      \"notes\" : [\n";
    for (std::size_t i = 0; i < perLine; ++i) chart += note;
    chart += "      ] },\n";
  }
  chart +=
      "  ],\n  \"name\" : \"Big Chart\", \"composer\" : \"C\", \"charter\" : \"P\",\n"
      "  \"level\" : \"IN  Lv.15\", \"background\" : \"big.jpg\", \"song\" : \"big.ogg\"\n}\n";
  return chart;
}

// The chart lies in the editor's folder before the form is built.
const std::string& theChart() {
  static const std::string chart = bigChart();
  return chart;
}

// A chart of 256 MB, all but its last bytes a hole of the file, with the version key at its
// end but in neither form with a colon: its version is searched for in the whole chart.
constexpr std::uintmax_t kSparseChartSize = 256 << 20;
void writeSparseChart(const std::filesystem::path& file) {
  const std::string tail = "\"ZarqVersion\" :120}";
  std::ofstream(file, std::ios::binary) << "{";
  std::filesystem::resize_file(file, kSparseChartSize - tail.size());
  std::ofstream(file, std::ios::binary | std::ios::app) << tail;
}

struct Editor : bench::BenchEditor {
  Editor()
      : BenchEditor([](const std::filesystem::path& dir) {
          std::ofstream(dir / "20220924.json", std::ios::binary) << theChart();
          writeSparseChart(dir / "sparse.json");
        }) {}
  const std::string& chart = theChart();
};

Editor& editor() {
  static Editor instance;
  return instance;
}

// The whole auto-fill as the user triggers it: read, strip into "runfile.txt", scan,
// fill, validate the suffixes, draw a frame.
void BM_AutoFillFromChart(benchmark::State& state) {
  Editor& e = editor();
  for (auto _ : state) autoFillFromChart(e.form);
  if (!e.headless.quietHost.messages.empty() ||
      e.form.fields[slot::songName].text != u"Big Chart") {
    state.SkipWithError("the chart was not read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.chart.size()));
  state.counters["chartMB"] = static_cast<double>(e.chart.size()) / 1e6;
}
BENCHMARK(BM_AutoFillFromChart)->Unit(benchmark::kMillisecond);

// What zarq-preset import does: the chart file stripped as it is read, on every pass.
void BM_ScanChartFileStripping(benchmark::State& state) {
  Editor& e = editor();
  const std::filesystem::path chart = e.form.fileInWorkDir("20220924.json");
  for (auto _ : state) {
    std::optional<ChartValues> values = scanChartFile(chart, Strip::Yes);
    if (!values || values->name != u"Big Chart") state.SkipWithError("the chart was not read");
    benchmark::DoNotOptimize(values);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.chart.size()));
}
BENCHMARK(BM_ScanChartFileStripping)->Unit(benchmark::kMillisecond);

// Stripping and scanning alone, in memory.
void BM_ChartFillFromBytes(benchmark::State& state) {
  Editor& e = editor();
  for (auto _ : state) {
    ChartFill fill = chartFillFromBytes(e.chart);
    benchmark::DoNotOptimize(fill);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.chart.size()));
}
BENCHMARK(BM_ChartFillFromBytes)->Unit(benchmark::kMillisecond);

// Page 1 reading the version of the chart file it names.
void readVersion(benchmark::State& state, const char* name, std::uintmax_t size,
                 ChartVersion expected) {
  const std::filesystem::path chart = editor().form.fileInWorkDir(name);
  for (auto _ : state) {
    const FileHandle file = openRegularFile(chart);
    ChartStream stream(file.get());
    if (readChartVersion(stream) != expected) state.SkipWithError("the version was misread");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// The bench chart writes the key in its second form: the whole chart is read for the first.
void BM_ChartVersion(benchmark::State& state) {
  readVersion(state, "20220924.json", theChart().size(), {ChartVersion::Key::Found, 120});
}
BENCHMARK(BM_ChartVersion)->Unit(benchmark::kMillisecond);

void BM_ChartVersionSparse(benchmark::State& state) {
  readVersion(state, "sparse.json", kSparseChartSize, {ChartVersion::Key::WithoutForm});
}
BENCHMARK(BM_ChartVersionSparse)->Unit(benchmark::kMillisecond);

// Typing in the chart field while it names the sparse chart: a character typed and taken
// away again, each iteration one keystroke; every other one names the chart once more.
void BM_KeyInChartFieldNamingSparseChart(benchmark::State& state) {
  Editor& e = editor();
  showPage(e.form, 1);
  TextField& chartId = e.form.fields[slot::chartId];
  chartId.setText(u"sparse");
  const int x = static_cast<int>(chartId.x + chartId.width - 1);
  const int y = static_cast<int>(chartId.y + 10);
  onButtonDown(e.form, x, y);
  onButtonUp(e.form, x, y);
  bool typed = false;
  for (auto _ : state) {
    onChar(e.form, typed ? u'\b' : u'x');
    typed = !typed;
  }
  if (chartId.text != u"sparse" && chartId.text != u"sparsex") {
    state.SkipWithError("the keys went elsewhere");
  }
}
BENCHMARK(BM_KeyInChartFieldNamingSparseChart)->Unit(benchmark::kMillisecond);

}  // namespace
