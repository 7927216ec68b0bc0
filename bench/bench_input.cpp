// Cost of answering the user: one typed character into the song name (its validation and
// the whole frame included), one pointer move over a field with the button held (the caret
// placed and the frame drawn), and the same answers while the chart's illustration is
// present: typing the chart ID, dragging the blur slider, typing while a picture decodes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "backend/cairo/headless_platform.h"
#include "bench_editor.h"
#include "bench_pictures.h"
#include "editor/keyboard.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "form/preview.h"
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

// The keyboard in the field, the caret at the end of its text.
void editAtEnd(SettingsForm& form, int slot) {
  const TextField& field = form.fields[slot];
  const int x = static_cast<int>(field.x + field.width - 1), y = static_cast<int>(field.y + 10);
  onButtonDown(form, x, y);
  onButtonUp(form, x, y);
}

// Types a character and takes it away again, so the text stays the same length; each
// iteration is one keystroke.
void BM_KeyToFrame(benchmark::State& state) {
  Editor& e = editor();
  TextField& name = e.form.fields[slot::songName];
  editAtEnd(e.form, slot::songName);
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

// Charts "20220924" and "2022092", each with its music and an illustration of its own, in
// the editor's folder; the form names the first, with the keyboard in the chart ID.
struct MediaEditor : bench::BenchEditor {
  MediaEditor(const char* ext, int width, int height, const char* type, bool twoCharts)
      : BenchEditor([&](const std::filesystem::path& dir) {
          for (const std::string id : {"20220924", "2022092"}) {
            if (id != "20220924" && !twoCharts) continue;
            bench::writeChartAndMusic(dir, id);
            bench::writeIllustration(dir / (id + "." + ext), width, height, type,
                                     static_cast<unsigned>(id.size()));
          }
        }) {
    form.fields[slot::chartId].setText(u"20220924");
    Text suffix;
    for (const char* c = ext; *c; ++c) suffix.push_back(static_cast<char16_t>(*c));
    form.fields[slot::illustrationExt].setText(suffix);
    form.fields[slot::audioExt].setText(u"WAV");
    showPage(form, 1);
    editAtEnd(form, slot::chartId);
    waitForPreview(form);
  }
};

// Each timed keystroke types the chart ID's last character, after which the ID names the
// chart with its media; the character is taken away again outside the timing.
void BM_KeyToFrameChartIdWithMedia(benchmark::State& state) {
  MediaEditor e("PNG", 1920, 1080, "png", false);
  for (auto _ : state) {
    state.PauseTiming();
    onChar(e.form, u'\b');
    state.ResumeTiming();
    onChar(e.form, u'4');
  }
  if (e.form.fields[slot::illustrationExt].bubble != kNoBubble) {
    state.SkipWithError("the illustration was not found");
  }
}
BENCHMARK(BM_KeyToFrameChartIdWithMedia)->Unit(benchmark::kMillisecond);

// The same keystroke with the chart present but neither its illustration nor its music:
// what typing the chart ID costs without media.
void BM_KeyToFrameChartIdWithoutMedia(benchmark::State& state) {
  MediaEditor e("PNG", 1920, 1080, "png", false);
  std::filesystem::remove(e.dir / "20220924.PNG");
  std::filesystem::remove(e.dir / "20220924.WAV");
  for (auto _ : state) {
    state.PauseTiming();
    onChar(e.form, u'\b');
    state.ResumeTiming();
    onChar(e.form, u'4');
  }
  if (previewPicture(e.form)) state.SkipWithError("the illustration was still shown");
}
BENCHMARK(BM_KeyToFrameChartIdWithoutMedia)->Unit(benchmark::kMillisecond);

MediaEditor& jpegEditor() {
  static MediaEditor instance("JPG", 4096, 4096, "jpeg", true);
  return instance;
}

// One step of a drag of the blur slider: the pointer moves along the track with the button
// held, the blur changes and a frame is drawn.
void BM_BlurDragStep4kJpeg(benchmark::State& state) {
  MediaEditor& e = jpegEditor();
  const Slider& blur = e.form.sliders[sliderId::blur];
  const int left = static_cast<int>(blur.x - blur.width / 2), y = static_cast<int>(blur.y);
  onButtonDown(e.form, left, y);
  int x = 0;
  for (auto _ : state) {
    x = (x + 7) % static_cast<int>(blur.width);
    onMouseMove(e.form, left + x, y);
  }
  onButtonUp(e.form, left + x, y);
  editAtEnd(e.form, slot::chartId);
}
BENCHMARK(BM_BlurDragStep4kJpeg)->Unit(benchmark::kMillisecond);

// Typing into the chart ID switches between the two charts, so that every keystroke asks for
// a picture that has not been decoded yet while the previous one is still decoding.
void BM_KeyToFrameDuringDecode(benchmark::State& state) {
  MediaEditor& e = jpegEditor();
  bool shortened = false;
  for (auto _ : state) {
    onChar(e.form, shortened ? u'4' : u'\b');
    shortened = !shortened;
  }
  if (shortened) onChar(e.form, u'4');
}
BENCHMARK(BM_KeyToFrameDuringDecode)->Unit(benchmark::kMillisecond);

}  // namespace
