#pragma once
// What a chart gives the form, read straight from its bytes: the auto-fill of the editor
// and the command line share it.

#include <filesystem>
#include <optional>
#include <string_view>

#include "common/text.h"
#include "files/chart_scan.h"
#include "files/key_scan.h"
#include "files/level_split.h"

namespace zarq {

// Values found in a chart; each is present only when the chart has its key.
struct ChartValues {
  std::optional<double> meanBpm;  // mean of all "bpm" entries
  std::optional<Text> background, charter, composer, level, name, song;
};

// Scans a chart that minifyChart has stripped: the first occurrence of each string key,
// and the mean of all "bpm" entries, summed as value / n in file order. One pass finds
// them all (KeyScan).
ChartValues scanChart(std::string_view minified);
// The same for a chart file, read once a block at a time however large it is: stripped as it
// is read, or, for its stripped copy, as it is. nullopt when it is no regular file or cannot
// be read to its end, or when `stop` is set meanwhile. A chart with more tempo entries than
// one pass keeps is read again through the file already open, never by its name. The editor
// scans its copy "runfile.txt" so, zarq-preset the chart itself.
std::optional<ChartValues> scanChartFile(const std::filesystem::path& file, Strip strip,
                                         const StopFlag* stop = nullptr);
// What `scan` found, having scanned the whole of `file` (stripped as `strip` says); the file
// is read again only for a chart with more tempo entries than one pass keeps. nullopt when
// that read fails or `stop` is set meanwhile.
std::optional<ChartValues> scannedValues(const KeyScan& scan, const std::filesystem::path& file,
                                         Strip strip, const StopFlag* stop = nullptr);
// The mean of all "bpm" entries of a stripped chart, in two passes of its own, for a chart
// with more entries than one pass keeps: the entries counted from the start, then read
// from it again, each number taken before the next key is looked for.
std::optional<double> meanBpm(ChartStream& minified);

// Brings a mean tempo into the range the hold animation plays well in: halved while above
// 270, then doubled while below 90. nullopt for a mean of 0 or below, or one that is not a
// finite number: no halving or doubling would ever bring those there.
std::optional<double> foldBpm(double mean);

// The chart ID a chart gives by its file name, as a chart dropped on the editor gives it: the
// name without ".json". nullopt for a name that is ".json" alone, ends otherwise or holds a
// character no one can type (a line end, a tab).
std::optional<Text> chartIdFromFileName(TextView fileName);

// The suffix after the last "." of a file name (the whole name without one), with its
// ASCII letters in upper case: "12345.jpg" gives "JPG".
Text mediaSuffix(TextView fileName);

// What the auto-fill writes into the form; an absent value leaves its fields as they were.
struct ChartFill {
  std::optional<Text> holdBpm;  // the folded mean with two decimals, "225.00"
  std::optional<Text> illustrationExt, audioExt;
  std::optional<Text> songName;  // also the chart screen's name and the first split line
  std::optional<Text> composer, charter;
  std::optional<LevelSplit> level;  // the chart screen's level line follows from it
};

ChartFill chartFill(const ChartValues& values);
// The verdict on a chart that the editor and zarq-preset share: it is one when the auto-fill
// writes at least one field from it.
bool fillsAnything(const ChartFill& fill);
// minifyChart, scanChart and chartFill in one.
ChartFill chartFillFromBytes(std::string_view chart);

}  // namespace zarq
