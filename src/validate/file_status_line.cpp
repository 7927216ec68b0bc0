#include "validate/file_status_line.h"

namespace zarq {
namespace {

constexpr char16_t kEllipsis = u'…';

Text fill(TextView format, TextView name, TextView tail) {
  Text line;
  int argument = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u's') {
      line.append(argument++ == 0 ? name : tail);
      ++i;
    } else {
      line.push_back(format[i]);
    }
  }
  return line;
}

}  // namespace

Text missingFileLine(TextMetrics& metrics, TextView format, TextView name, TextView tail,
                     float limit) {
  Text shortened(name);
  Text line = fill(format, shortened, tail);
  while (metrics.measureTextTight(line, kBubbleFontSize) + 4 > limit && shortened.size() >= 2 &&
         shortened != TextView(&kEllipsis, 1)) {
    shortened[shortened.size() - 2] = kEllipsis;
    shortened.pop_back();
    line = fill(format, shortened, tail);
  }
  return line;
}

}  // namespace zarq
