#pragma once
// The version a chart says it was saved by, as page 1 reads it: the quoted key "ZarqVersion"
// must occur, and the number after the key written as "ZarqVersion": (or else as
// "ZarqVersion" : ) is the version. Keys are matched as findKey matches them from the
// chart's start.

#include <optional>

#include "files/chart_scan.h"
#include "files/file_identity.h"

namespace zarq {

struct ChartVersion {
  enum class Key {
    Missing,      // the quoted key does not occur
    WithoutForm,  // it occurs, but neither of its forms with a colon does
    Found,
  };
  Key key = Key::Missing;
  int version = 0;  // rounded to the nearest integer, when found
  bool operator==(const ChartVersion&) const = default;
};

// Reads the chart from its start.
ChartVersion readChartVersion(ChartStream& stream);

// A version read from a chart file, with what the file was before it was opened: the same
// file unchanged gives the same version without being read again.
struct ChartVersionSeen {
  std::optional<FileIdentity> file;
  ChartVersion version;
};

}  // namespace zarq
