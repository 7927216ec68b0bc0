// Cost of answering the user: one typed character into the song name (its validation and
// the whole frame included), and one pointer move over a field with the button held (the
// caret placed and the frame drawn).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "backend/cairo/headless_platform.h"
#include "bench_editor.h"
#include "editor/keyboard.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace {

using namespace zarq;

struct Editor : bench::BenchEditor {
  Editor() { showPage(form, 2); }
};

Editor& editor() {
  static Editor instance;
  return instance;
}

// Types a character and takes it away again, so the text stays the same length; each
// iteration is one keystroke.
void BM_KeyToFrame(benchmark::State& state) {
  Editor& e = editor();
  TextField& name = e.form.fields[slot::songName];
  onButtonDown(e.form, static_cast<int>(name.x + name.width - 1), static_cast<int>(name.y + 10));
  onButtonUp(e.form, static_cast<int>(name.x + name.width - 1), static_cast<int>(name.y + 10));
  bool typed = false;
  for (auto _ : state) {
    onChar(e.form, typed ? u'\b' : u'x');
    typed = !typed;
  }
  benchmark::DoNotOptimize(name.text.data());
}
BENCHMARK(BM_KeyToFrame)->Unit(benchmark::kMillisecond);

void BM_PointerMoveOverAFieldToFrame(benchmark::State& state) {
  Editor& e = editor();
  TextField& name = e.form.fields[slot::songName];
  const int y = static_cast<int>(name.y + 10);
  onButtonDown(e.form, static_cast<int>(name.x + 5), y);
  int x = 0;
  for (auto _ : state) {
    onMouseMove(e.form, static_cast<int>(name.x) + 5 + x, y);
    x = (x + 7) % static_cast<int>(name.width - 10);
  }
  onButtonUp(e.form, static_cast<int>(name.x + 5), y);
  benchmark::DoNotOptimize(name.caret);
}
BENCHMARK(BM_PointerMoveOverAFieldToFrame)->Unit(benchmark::kMillisecond);

}  // namespace
