// Any bytes as a chart: stripped whole and in small pieces, which must come to the same; the
// keys found in one pass, whole, in small pieces and from the chart file stripped as it is
// read, as a scan per key straight from the definition finds them; the chart's version in one
// pass as a scan per key reads it; what the scan fills in fits the form.

#include "files/chart_scan.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "files/chart_fill.h"
#include "files/chart_version.h"
#include "platform/file_system.h"
#include "require.h"
#include "support/chart_by_key.h"
#include "targets.h"

namespace zarq::fuzz {
namespace {

using testing::sameValues;
using testing::scanKeyByKey;

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

// The chart in a file of its own, rewritten for every input.
const std::filesystem::path& chartFile() {
  static const std::filesystem::path file = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarq-fuzz-XXXXXX").string();
    const char* folder = ::mkdtemp(pattern.data());
    require(folder != nullptr, "a folder for the input can be made");
    return std::filesystem::path(folder) / "chart.json";
  }();
  return file;
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

  const FileHandle minifiedFile = openBytes(minified);
  ChartStream minifiedStream(minifiedFile.get(), piece);
  const ChartValues whole = scanKeyByKey(minifiedStream);
  require(sameValues(scanChart(minified), whole), "one pass finds what a scan per key finds");
  require(sameValues(testing::scanInPieces(minified, piece), whole),
          "one pass over pieces finds the same");

  // The chart file stripped as it is read, as zarq-preset reads it.
  std::ofstream(chartFile(), std::ios::binary | std::ios::trunc)
      .write(chart.data(), static_cast<std::streamsize>(chart.size()));
  const std::optional<ChartValues> fromFile = scanChartFile(chartFile(), Strip::Yes);
  require(fromFile && sameValues(*fromFile, whole), "a chart stripped as it is read scans alike");

  const FileHandle rawFile = openBytes(chart);
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

  require(readChartVersion(rawStreamed) == testing::versionKeyByKey(raw),
          "the version read in one pass is the one a scan per key reads");

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
