#include "files/chart_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/printable.h"
#include "files/chart_scan.h"
#include "files/key_scan.h"
#include "platform/file_system.h"

namespace zarq {
std::optional<double> meanBpm(ChartStream& stream) {
  static constexpr std::string_view kBpmKey = "\"bpm\":";
  stream.rewind();
  long long n = 0;
  while (findKey(stream, kBpmKey)) ++n;
  if (n == 0) return std::nullopt;
  stream.rewind();
  double mean = 0;
  for (long long i = 0; i < n; ++i) {
    findKey(stream, kBpmKey);
    mean += readKeyNumber(stream) / static_cast<double>(n);
  }
  return mean;
}

ChartValues scanChart(std::string_view minified) {
  KeyScan scan;
  scan.finish(minified);
  ChartValues values = scan.values();
  if (scan.temposOverflowed()) {
    ChartStream stream{minified};
    values.meanBpm = meanBpm(stream);
  }
  return values;
}

namespace {

// What `scan` found in the whole of `in`, which is read again from its start for a chart with
// more tempo entries than one pass keeps.
std::optional<ChartValues> valuesOf(const KeyScan& scan, std::FILE* in, Strip strip,
                                    const StopFlag* stop) {
  ChartValues values = scan.values();
  if (!scan.temposOverflowed()) return values;
  ChartStream stream(in, ChartStream::kBlockSize, strip, stop);
  values.meanBpm = meanBpm(stream);
  if (stream.failed()) return std::nullopt;
  return values;
}

}  // namespace

std::optional<ChartValues> scanChartFile(const std::filesystem::path& file, Strip strip,
                                         const StopFlag* stop) {
  // Only regular files: a pipe or a device could hold the editor up for ever.
  const FileHandle in = openRegularFile(file);
  if (!in) return std::nullopt;
  KeyScan scan;
  ChartMinifier minifier;
  // Each block is read in after what the scan left of the last, and stripped in place.
  constexpr std::size_t kBlock = ChartStream::kBlockSize;
  std::vector<char> buffer(2 * kBlock);
  std::size_t left = 0;
  while (const std::size_t got = std::fread(buffer.data() + kBlock, 1, kBlock, in.get())) {
    if (stop && *stop) return std::nullopt;
    const std::string_view block(buffer.data() + kBlock, got);
    char* end = strip == Strip::Yes ? minifier.feed(block, buffer.data() + left)
                                    : std::copy(block.begin(), block.end(), buffer.data() + left);
    const std::size_t size = static_cast<std::size_t>(end - buffer.data());
    const std::size_t taken = scan.feed({buffer.data(), size});
    left = size - taken;
    std::copy(buffer.data() + taken, end, buffer.data());
  }
  if (std::ferror(in.get())) return std::nullopt;
  scan.finish({buffer.data(), left});
  // The file already open: one saved over the chart meanwhile would give its tempo mean.
  return valuesOf(scan, in.get(), strip, stop);
}

std::optional<ChartValues> scannedValues(const KeyScan& scan, const std::filesystem::path& file,
                                         Strip strip, const StopFlag* stop) {
  if (!scan.temposOverflowed()) return scan.values();
  const FileHandle in = openRegularFile(file);
  if (!in) return std::nullopt;
  return valuesOf(scan, in.get(), strip, stop);
}

std::optional<double> foldBpm(double mean) {
  if (!std::isfinite(mean) || mean <= 0) return std::nullopt;
  while (mean > 270) mean /= 2;
  while (mean < 90) mean *= 2;
  return mean;
}

std::optional<Text> chartIdFromFileName(TextView fileName) {
  constexpr TextView kChartEnding = u".json";
  if (fileName.size() <= kChartEnding.size() || !fileName.ends_with(kChartEnding)) {
    return std::nullopt;
  }
  // A line end or a tab, which a file name may hold here, would be an ID no one can type.
  if (!isTypable(fileName)) return std::nullopt;
  return Text(fileName.substr(0, fileName.size() - kChartEnding.size()));
}

Text mediaSuffix(TextView fileName) {
  const std::size_t dot = fileName.rfind(u'.');
  Text suffix(dot == TextView::npos ? fileName : fileName.substr(dot + 1));
  for (char16_t& c : suffix) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return suffix;
}

ChartFill chartFill(const ChartValues& v) {
  ChartFill fill;
  if (v.meanBpm) {
    if (const std::optional<double> folded = foldBpm(*v.meanBpm)) {
      fill.holdBpm = fixedText(*folded, 2);
    }
  }
  if (v.background) fill.illustrationExt = mediaSuffix(*v.background);
  if (v.song) fill.audioExt = mediaSuffix(*v.song);
  fill.songName = v.name;
  fill.composer = v.composer;
  fill.charter = v.charter;
  if (v.level) fill.level = splitLevel(*v.level);
  return fill;
}

bool fillsAnything(const ChartFill& f) {
  return f.holdBpm || f.illustrationExt || f.audioExt || f.songName || f.composer || f.charter ||
         f.level;
}

ChartFill chartFillFromBytes(std::string_view chart) {
  return chartFill(scanChart(minifyChart(chart)));
}

}  // namespace zarq
