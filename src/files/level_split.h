#pragma once
// A chart's level text ("IN  Lv.15", "AT15", "SP?") split into the difficulty and the
// level number that the opening screen shows apart.

#include "common/text.h"

namespace zarq {

struct LevelSplit {
  Text difficulty;
  Text level;
};

LevelSplit splitLevel(TextView levelText);
// The chart screen's line: "%s  Lv.%s" with the difficulty and the level.
Text chartLevelLine(const LevelSplit& split);

}  // namespace zarq
