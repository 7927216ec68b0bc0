#include "support/chart_by_key.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/numbers.h"
#include "files/key_scan.h"

namespace zarq::testing {

ChartValues scanKeyByKey(ChartStream& stream) {
  ChartValues v;
  v.meanBpm = meanBpm(stream);
  const auto first = [&](std::string_view key) -> std::optional<Text> {
    stream.rewind();
    Text value;
    if (!readKeyString(stream, key, value)) return std::nullopt;
    return value;
  };
  v.background = first("\"background\":\"");
  v.charter = first("\"charter\":\"");
  v.composer = first("\"composer\":\"");
  v.level = first("\"level\":\"");
  v.name = first("\"name\":\"");
  v.song = first("\"song\":\"");
  return v;
}

ChartVersion versionKeyByKey(ChartStream& chart) {
  chart.rewind();
  if (!findKey(chart, "\"ZarqVersion\"")) return {ChartVersion::Key::Missing};
  for (std::string_view key : {"\"ZarqVersion\":", "\"ZarqVersion\" : "}) {
    chart.rewind();
    if (!findKey(chart, key)) continue;
    while (chart.peek() == ' ' || chart.peek() == '\t') chart.get();
    const double version = std::clamp(readKeyNumber(chart), -1e9, 1e9);
    return {ChartVersion::Key::Found, static_cast<int>(roundHalfAway(version))};
  }
  return {ChartVersion::Key::WithoutForm};
}

bool sameValues(const ChartValues& a, const ChartValues& b) {
  const bool sameMean = a.meanBpm.has_value() == b.meanBpm.has_value() &&
                        (!a.meanBpm || *a.meanBpm == *b.meanBpm ||
                         (std::isnan(*a.meanBpm) && std::isnan(*b.meanBpm)));
  return sameMean && a.background == b.background && a.charter == b.charter &&
         a.composer == b.composer && a.level == b.level && a.name == b.name && a.song == b.song;
}

ChartValues scanInPieces(const std::string& minified, std::size_t piece) {
  KeyScan scan;
  std::string pending;
  for (std::size_t at = 0; at < minified.size(); at += piece) {
    pending += minified.substr(at, piece);
    pending.erase(0, scan.feed(pending));
  }
  scan.finish(pending);
  return scan.values();
}

}  // namespace zarq::testing
