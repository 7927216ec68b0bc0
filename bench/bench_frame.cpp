// Cost of drawing one whole frame of each page, and of refitting a long field text.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "backend/cairo/headless_platform.h"
#include "bench_editor.h"
#include "editor/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace {

using namespace zarq;

using Editor = bench::BenchEditor;

Editor& editor() {
  static Editor instance;
  return instance;
}

void BM_RenderFrame(benchmark::State& state) {
  Editor& e = editor();
  showPage(e.form, static_cast<int>(state.range(0)));
  for (auto _ : state) renderFrame(e.form);
}
BENCHMARK(BM_RenderFrame)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

void BM_FitTextLongFocusedField(benchmark::State& state) {
  Editor& e = editor();
  showPage(e.form, 2);
  TextField& songName = e.form.fields[slot::songName];
  Text text;
  for (int i = 0; i < 150; ++i)
    text.push_back(static_cast<char16_t>(i % 2 ? u'曲' : u'a' + i % 26));
  songName.setText(text);
  songName.focused = true;
  songName.caret = 150;
  for (auto _ : state) {
    songName.scroll = 0;
    songName.fitText(e.form.metrics, true);
    benchmark::DoNotOptimize(songName.visibleText.data());
  }
}
BENCHMARK(BM_FitTextLongFocusedField)->Unit(benchmark::kMicrosecond);

// The same after a keystroke: the text is new, so it is laid out afresh.
void BM_FitTextLongFocusedFieldNewText(benchmark::State& state) {
  Editor& e = editor();
  showPage(e.form, 2);
  TextField& songName = e.form.fields[slot::songName];
  Text text(150, u'a');
  songName.focused = true;
  songName.caret = 150;
  unsigned counter = 0;
  for (auto _ : state) {
    ++counter;
    for (int i = 0; i < 6; ++i) text[i] = static_cast<char16_t>(u'a' + (counter >> (4 * i)) % 16);
    songName.setText(text);
    songName.scroll = 0;
    songName.fitText(e.form.metrics, true);
    benchmark::DoNotOptimize(songName.visibleText.data());
  }
}
BENCHMARK(BM_FitTextLongFocusedFieldNewText)->Unit(benchmark::kMicrosecond);

}  // namespace
