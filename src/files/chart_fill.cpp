#include "files/chart_fill.h"

#include <cmath>
#include <string>

#include "common/numbers.h"
#include "files/chart_scan.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

constexpr std::string_view kBpmKey = "\"bpm\":";

std::optional<double> meanBpm(ChartStream& stream) {
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

// The first occurrence of a string key.
std::optional<Text> firstString(ChartStream& stream, std::string_view key) {
  stream.rewind();
  Text value;
  if (!readKeyString(stream, key, value)) return std::nullopt;
  return value;
}

}  // namespace

ChartValues scanChart(ChartStream& minified) {
  ChartValues v;
  v.meanBpm = meanBpm(minified);
  v.background = firstString(minified, "\"background\":\"");
  v.charter = firstString(minified, "\"charter\":\"");
  v.composer = firstString(minified, "\"composer\":\"");
  v.level = firstString(minified, "\"level\":\"");
  v.name = firstString(minified, "\"name\":\"");
  v.song = firstString(minified, "\"song\":\"");
  return v;
}

ChartValues scanChart(std::string_view minified) {
  ChartStream stream{minified};
  return scanChart(stream);
}

std::optional<ChartValues> scanChartFile(const std::filesystem::path& file, Strip strip,
                                         const StopFlag* stop) {
  // Only regular files: a pipe or a device could hold the editor up for ever.
  const FileHandle in = openRegularFile(file);
  if (!in) return std::nullopt;
  ChartStream stream(in.get(), ChartStream::kBlockSize, strip, stop);
  ChartValues values = scanChart(stream);
  if (stream.failed()) return std::nullopt;
  return values;
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
