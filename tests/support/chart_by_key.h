#pragma once
// What the auto-fill takes from a stripped chart, found as the values are defined: a scan per
// key from the chart's start, every "bpm" entry counted and then read, and each string key's
// first value. The editor finds them all in one pass; tests and fuzzing hold it to this.

#include <cstddef>
#include <string>

#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "files/chart_version.h"

namespace zarq::testing {

ChartValues scanKeyByKey(ChartStream& minified);

// The version page 1 reads from a chart, as it is defined: the quoted key, then each form
// with a colon in turn, each scanned for from the chart's start.
ChartVersion versionKeyByKey(ChartStream& chart);

bool sameValues(const ChartValues& a, const ChartValues& b);

// What the one-pass scan finds in `minified` handed to it `piece` bytes at a time, as a read
// of blocks hands it over.
ChartValues scanInPieces(const std::string& minified, std::size_t piece);

}  // namespace zarq::testing
