#include "files/level_split.h"

namespace zarq {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// What follows the difficulty and its spaces: "Lv.15", "Lv15", "Lv" or the number itself.
Text levelAfterSpaces(TextView rest) {
  const bool lv = rest.size() >= 2 && (rest[0] == u'L' || rest[0] == u'l') &&
                  (rest[1] == u'V' || rest[1] == u'v');
  if (!lv) return Text(rest);
  if (rest.size() == 2) return Text(rest);
  return Text(rest.substr(rest[2] == u'.' ? 3 : 2));
}

}  // namespace

LevelSplit splitLevel(TextView l) {
  const std::size_t n = l.size();
  if (n < 2) return {Text(l), Text()};

  // A space that neither starts nor ends the text separates the two.
  for (std::size_t i = 1; i + 2 <= n; ++i) {
    if (l[i] != u' ') continue;
    std::size_t k = i;
    while (k < n && l[k] == u' ') ++k;
    return {Text(l.substr(0, i)), levelAfterSpaces(l.substr(k))};
  }

  // Without one, the level is the trailing "?" or the last one or two digits.
  const char16_t last = l[n - 1];
  if (last == u'?') return {Text(l.substr(0, n - 1)), Text(u"?")};
  if (isDigit(last)) {
    const std::size_t digits = isDigit(l[n - 2]) ? 2 : 1;
    return {Text(l.substr(0, n - digits)), Text(l.substr(n - digits))};
  }
  return {Text(l), Text()};
}

Text chartLevelLine(const LevelSplit& split) { return split.difficulty + u"  Lv." + split.level; }

}  // namespace zarq
