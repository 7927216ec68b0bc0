// The background preview: the blur against one plain pass over the same frame, the whole
// build from a generated PNG and JPEG, and the peak memory of one build of a 4096 x 4096
// picture, measured in a fresh process of this program. With --preview FILE, the preview of
// a picture of one's own (scripts/bench preview FILE).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "backend/cairo/headless_platform.h"
#include "bench_editor.h"
#include "bench_pictures.h"
#include "common/paths.h"
#include "files/chart_fill.h"
#include "form/preview.h"
#include "form/settings_form.h"
#include "image/gaussian_blur.h"

namespace zarq {
namespace {

Image noiseFrame() {
  Image frame(kFrameWidth, kFrameHeight);
  std::mt19937 random(7);
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) frame.row(y)[x] = random() & 0xFFFFFF;
  }
  return frame;
}

// The least any pass over the frame can cost: a copy of its memory.
void plainPass(const Image& from, Image& to) {
  std::memcpy(to.pixelBuffer(), from.pixelBuffer(),
              sizeof(std::uint32_t) * kFrameWidth * kFrameHeight);
  benchmark::DoNotOptimize(to.pixelBuffer());
  benchmark::ClobberMemory();
}

void BM_PlainPass(benchmark::State& state) {
  const Image from = noiseFrame();
  Image to(kFrameWidth, kFrameHeight);
  for (auto _ : state) plainPass(from, to);
}
BENCHMARK(BM_PlainPass);

// Both are timed in every iteration, so the ratio compares them under the same conditions.
// The blur goes from one picture into another, as the preview's goes from its cover.
void BM_GaussianBlurSigma53(benchmark::State& state) {
  const Image frame = noiseFrame();
  Image copy(kFrameWidth, kFrameHeight);
  Image blurred(kFrameWidth, kFrameHeight);
  double blurSeconds = 0, plainSeconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    plainPass(frame, copy);
    const auto between = std::chrono::steady_clock::now();
    gaussianBlur(frame, blurred, 53);
    benchmark::ClobberMemory();
    const auto end = std::chrono::steady_clock::now();
    plainSeconds += std::chrono::duration<double>(between - start).count();
    const double blur = std::chrono::duration<double>(end - between).count();
    blurSeconds += blur;
    state.SetIterationTime(blur);
  }
  state.counters["plain_pass_us"] = 1e6 * plainSeconds / state.iterations();
  state.counters["blur_over_plain"] = blurSeconds / plainSeconds;
}
BENCHMARK(BM_GaussianBlurSigma53)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A chart folder of its own holding one illustration, made once per program run.
struct ChartFolder {
  std::filesystem::path dir;
  ChartFolder(const char* ext, int width, int height, const char* type) {
    char pattern[] = "/tmp/zarq-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    dir = pattern;
    bench::writeIllustration(dir / (std::string("20220924.") + ext), width, height, type);
  }
  ~ChartFolder() { std::filesystem::remove_all(dir); }
};

const ChartFolder& pngFolder() {
  static const ChartFolder folder("PNG", 1920, 1080, "png");
  return folder;
}
const ChartFolder& jpegFolder() {
  static const ChartFolder folder("jpg", 4096, 4096, "jpeg");
  return folder;
}

constexpr int kDim = 150;

// A form naming the picture, at blur 80 and dim 150, that has not decoded anything yet.
std::unique_ptr<SettingsForm> freshForm(HeadlessPlatform& headless,
                                        const std::filesystem::path& dir, const char16_t* ext) {
  auto form = std::make_unique<SettingsForm>(headless.platform(), dir);
  form->fields[slot::chartId].text = u"20220924";
  form->fields[slot::illustrationExt].text = ext;
  form->sliders[sliderId::blur].setValue(80);
  form->sliders[sliderId::dim].setValue(kDim);
  return form;
}

// The whole preview as a frame draws it: decoded, covered, blurred and dimmed.
const Image* makePreview(SettingsForm& form) {
  waitForPreview(form);
  return dimmedPreviewPicture(form, kDim);
}

bool previewShown(const Image* picture) {
  return picture && picture->pixel(480, 360) != 0xFF000000;
}

// The first preview of a picture, decode included: each iteration with a form of its own.
void buildFrom(benchmark::State& state, const ChartFolder& folder, const char16_t* ext) {
  HeadlessPlatform headless;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<SettingsForm> form = freshForm(headless, folder.dir, ext);
    state.ResumeTiming();
    const Image* picture = makePreview(*form);
    state.PauseTiming();
    if (!previewShown(picture)) state.SkipWithError("preview stayed black");
    form.reset();
    state.ResumeTiming();
  }
}

void BM_PreviewPng1920x1080Blur80(benchmark::State& state) {
  buildFrom(state, pngFolder(), u"PNG");
}
BENCHMARK(BM_PreviewPng1920x1080Blur80)->Unit(benchmark::kMillisecond);

void BM_PreviewJpeg4096x4096Blur80(benchmark::State& state) {
  buildFrom(state, jpegFolder(), u"jpg");
}
BENCHMARK(BM_PreviewJpeg4096x4096Blur80)->Unit(benchmark::kMillisecond);

// Kilobytes from a line of /proc/self/status such as "VmHWM:  123456 kB".
long statusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  }
  return -1;
}

// In a fresh process: the form is built and idle, the peak resident size is reset, one
// preview is built, and the new peak less the idle size is printed in kilobytes.
int measurePeak(const char* folder) {
  HeadlessPlatform headless;
  std::unique_ptr<SettingsForm> form = freshForm(headless, folder, u"jpg");
  const long idle = statusKb("VmRSS:");
  std::ofstream("/proc/self/clear_refs") << "5";
  const Image* picture = makePreview(*form);
  std::printf("%ld\n", statusKb("VmHWM:") - idle);
  return previewShown(picture) ? 0 : 1;
}

void BM_PeakMemoryJpeg4096x4096(benchmark::State& state) {
  double megabytes = 0;
  for (auto _ : state) {
    std::string command = "'";
    command += std::filesystem::read_symlink("/proc/self/exe").string();
    command += "' --peak-memory '";
    command += jpegFolder().dir.string();
    command += "'";
    FILE* child = popen(command.c_str(), "r");
    long kb = -1;
    if (!child || std::fscanf(child, "%ld", &kb) != 1 || pclose(child) != 0) {
      state.SkipWithError("the measuring process failed");
      return;
    }
    megabytes = kb / 1024.0;
  }
  state.counters["peak_above_idle_MB"] = megabytes;
}
BENCHMARK(BM_PeakMemoryJpeg4096x4096)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole preview of `file` as a running editor makes it once the form names the picture:
// looked up, decoded on the loader's thread, covered, blurred by 80 and dimmed by 150. Two
// copies of the file take turns, so that every run decodes a picture the editor holds nothing
// of, with the buffers of an editor that has shown pictures before. Prints the median.
int measurePreview(const std::filesystem::path& file) {
  constexpr int kRuns = 21;
  const Text ext = mediaSuffix(textFromPath(file.filename()));
  bench::BenchEditor editor([&](const std::filesystem::path& dir) {
    for (const char* copy : {"a.", "b."}) {
      std::error_code error;
      std::filesystem::copy_file(file, dir / (copy + pathFromText(ext).string()), error);
    }
  });
  SettingsForm& form = editor.form;
  form.sliders[sliderId::blur].setValue(80);
  form.sliders[sliderId::dim].setValue(kDim);
  form.fields[slot::illustrationExt].text = ext;
  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    form.fields[slot::chartId].text = run % 2 ? u"b" : u"a";
    const auto start = std::chrono::steady_clock::now();
    const Image* shown = makePreview(form);
    const auto end = std::chrono::steady_clock::now();
    if (!shown) {
      std::fprintf(stderr, "%s: no picture the editor can show\n", file.c_str());
      return 1;
    }
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("preview %s: %.1f ms\n", file.c_str(), ms[kRuns / 2]);
  return 0;
}

}  // namespace
}  // namespace zarq

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--peak-memory") return zarq::measurePeak(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--preview") return zarq::measurePreview(argv[2]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
