// Memory of a long session: the heap still in use after N steps of typing, undo, redo and
// page turns in one window. Run with 1,000 and 10,000 steps, the two should hold about the
// same (the undo history keeps its last steps only); a leak per step shows as a difference.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "bench_editor.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "form/settings_form.h"

namespace {

using namespace zarq;

constexpr Command kPages[] = {Command::Page1, Command::Page2, Command::Page3,
                              Command::Page4, Command::Page5, Command::Page6};

// One step of what a user does: a character typed into the song name, a backspace, an
// undo, a redo, a page turn and back.
void step(SettingsForm& form, int i) {
  const TextField& name = form.fields[slot::songName];
  const int x = static_cast<int>(name.x + name.width - 1), y = static_cast<int>(name.y + 10);
  switch (i % 6) {
    case 0:
      onCommand(form, Command::Page2);
      onButtonDown(form, x, y);
      onButtonUp(form, x, y);
      onChar(form, static_cast<char16_t>(u'a' + i % 26));
      break;
    case 1:
      onChar(form, u'\b');
      break;
    case 2:
      onCommand(form, Command::Undo);
      break;
    case 3:
      onCommand(form, Command::Redo);
      break;
    case 4:
      onCommand(form, kPages[i % 6]);
      break;
    default:
      onChar(form, u'x');
      break;
  }
}

void BM_LongSessionHeap(benchmark::State& state) {
  const auto steps = static_cast<int>(state.range(0));
  double grown = 0;
  for (auto _ : state) {
    bench::BenchEditor e;
    for (int i = 0; i < 60; ++i) step(e.form, i);
    const auto before = static_cast<double>(mallinfo2().uordblks);
    for (int i = 0; i < steps; ++i) step(e.form, i);
    grown = static_cast<double>(mallinfo2().uordblks) - before;
  }
  state.counters["heap_grown_kB"] = grown / 1024;
}
BENCHMARK(BM_LongSessionHeap)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
