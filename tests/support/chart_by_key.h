#pragma once
// What the auto-fill takes from a stripped chart, found as the values are defined: a scan per
// key from the chart's start, every "bpm" entry counted and then read, and each string key's
// first value. The editor finds them all in one pass; tests and fuzzing hold it to this.

#include "files/chart_fill.h"
#include "files/chart_scan.h"

namespace zarq::testing {

ChartValues scanKeyByKey(ChartStream& minified);

bool sameValues(const ChartValues& a, const ChartValues& b);

}  // namespace zarq::testing
