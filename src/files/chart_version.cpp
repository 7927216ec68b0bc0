#include "files/chart_version.h"

#include <algorithm>
#include <string_view>

#include "common/numbers.h"

namespace zarq {

ChartVersion readChartVersion(ChartStream& stream) {
  ChartVersion result;
  stream.rewind();
  if (!findKey(stream, "\"ZarqVersion\"")) return result;
  result.key = ChartVersion::Key::WithoutForm;
  // JSON writers commonly put blanks after the colon; they are skipped so that such a chart
  // reads its real version.
  for (std::string_view key : {"\"ZarqVersion\":", "\"ZarqVersion\" : "}) {
    stream.rewind();
    if (!findKey(stream, key)) continue;
    while (stream.peek() == ' ' || stream.peek() == '\t') stream.get();
    const double version = std::clamp(readKeyNumber(stream), -1e9, 1e9);
    result.key = ChartVersion::Key::Found;
    result.version = static_cast<int>(roundHalfAway(version));
    return result;
  }
  return result;
}

}  // namespace zarq
