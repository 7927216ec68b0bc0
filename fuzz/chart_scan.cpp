// Any bytes as a chart: stripped and scanned whole, and again streamed in small blocks,
// stripped in small pieces and stripped while streamed, which must all come to the same;
// what the scan fills in fits the form.

#include "files/chart_scan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "files/chart_fill.h"
#include "platform/file_system.h"
#include "require.h"
#include "targets.h"

namespace zarq::fuzz {
namespace {

void expectScannedValue(const std::optional<Text>& value) {
  if (!value) return;
  require(value->size() <= kScannedValueCapacity, "a chart value fits its 99 units");
  require(!hasLoneSurrogate(*value), "a chart value holds whole characters");
}

// The bytes as an open file, as the editor reads a chart.
FileHandle openBytes(std::string_view bytes) {
  FileHandle file(std::tmpfile());
  require(file != nullptr, "a scratch file can be made");
  require(std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size(),
          "the scratch file takes the bytes");
  return file;
}

bool sameValues(const ChartValues& a, const ChartValues& b) {
  const bool sameMean = a.meanBpm.has_value() == b.meanBpm.has_value() &&
                        (!a.meanBpm || *a.meanBpm == *b.meanBpm ||
                         (std::isnan(*a.meanBpm) && std::isnan(*b.meanBpm)));
  return sameMean && a.background == b.background && a.charter == b.charter &&
         a.composer == b.composer && a.level == b.level && a.name == b.name && a.song == b.song;
}

}  // namespace

void chartScan(const std::uint8_t* data, std::size_t size) {
  const std::string_view chart(reinterpret_cast<const char*>(data), size);
  // The first byte picks the size of the blocks and pieces, so that every boundary gets tried.
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 16;

  const std::string minified = minifyChart(chart);
  require(minified.size() <= chart.size(), "stripping never adds bytes");
  require(minified.find_first_of("\r\n") == std::string::npos, "no line end survives");
  std::string pieced;
  ChartMinifier minifier;
  for (std::size_t at = 0; at < size; at += piece) minifier.feed(chart.substr(at, piece), pieced);
  require(pieced == minified, "stripping in pieces strips alike");

  const ChartValues whole = scanChart(minified);
  const FileHandle minifiedFile = openBytes(minified);
  ChartStream streamed(minifiedFile.get(), piece);
  require(sameValues(scanChart(streamed), whole), "a streamed scan finds the same values");

  // The chart file stripped as it is read, as zarq-preset reads it.
  const FileHandle rawFile = openBytes(chart);
  ChartStream stripping(rawFile.get(), piece, Strip::Yes);
  require(sameValues(scanChart(stripping), whole), "a chart stripped as it is read scans alike");

  // Key matching and numbers straight on the raw bytes, as the chart ID's check reads them.
  ChartStream raw{chart};
  ChartStream rawStreamed(rawFile.get(), piece);
  for (std::string_view key : {"\"ZarqVersion\":", "\"bpm\":", "\"name\":\""}) {
    raw.rewind();
    rawStreamed.rewind();
    const bool found = findKey(raw, key);
    require(findKey(rawStreamed, key) == found, "a streamed key match agrees");
    if (!found) continue;
    const double number = readKeyNumber(raw);
    const double streamedNumber = readKeyNumber(rawStreamed);
    require(number == streamedNumber || (std::isnan(number) && std::isnan(streamedNumber)),
            "a streamed number agrees");
    require(raw.peek() == rawStreamed.peek(), "both stop at the same byte");
  }

  for (const auto* value : {&whole.background, &whole.charter, &whole.composer, &whole.level,
                            &whole.name, &whole.song}) {
    expectScannedValue(*value);
  }
  const ChartFill fill = chartFill(whole);
  if (fill.holdBpm) {
    const double bpm = std::stod(std::string(fill.holdBpm->begin(), fill.holdBpm->end()));
    require(bpm >= 90 && bpm <= 270, "the hold tempo is folded into 90 to 270");
  }
  if (fill.level) {
    require(fill.level->difficulty.size() + fill.level->level.size() <= kScannedValueCapacity,
            "the level splits into parts of the value");
  }
}

}  // namespace zarq::fuzz
