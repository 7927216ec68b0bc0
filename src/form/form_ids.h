#pragma once
// Names of the form's pool entries. A text slot's number is its identity everywhere: in
// validation, in the preset file and in the dependencies between controls.

#include <iterator>

#include "files/preset_codec.h"

namespace zarq {

// The form holds what the newest preset stores.
inline constexpr PresetLayout kNewestPresetLayout = kPresetLayouts[std::size(kPresetLayouts) - 1];
inline constexpr int kFieldCount = kNewestPresetLayout.textSlots;
inline constexpr int kCheckBoxCount = kNewestPresetLayout.checkBoxes;
inline constexpr int kSliderCount = static_cast<int>(kPresetSliderCount);
inline constexpr int kOptionPairCount = static_cast<int>(kPresetOptionPairCount);
inline constexpr int kArrowCount = 2;
inline constexpr int kBubbleCount = 50;
inline constexpr int kPageCount = 6;

namespace slot {
enum : int {
  chartId = 0,
  illustrationExt = 1,
  audioExt = 2,
  backgroundDim = 3,
  backgroundBlur = 4,
  hitSoundVolume = 5,
  musicVolume = 6,
  resultVolume = 7,
  songName = 8,
  level = 9,
  difficulty = 10,
  composer = 11,
  charter = 12,
  illustrator = 13,
  tip = 14,
  aspectRatio = 15,
  frameRate = 16,
  chartSongName = 17,
  chartLevel = 18,
  chartFullScore = 19,
  noteSize = 20,
  chartDuration = 21,
  avatar = 22,
  playerName = 23,
  rks = 24,
  challenge = 25,
  originalScore = 26,
  addedScore = 27,
  resultFullScore = 28,
  splitNameLine1 = 29,
  splitNameLine2 = 30,
  judgeLineThickness = 31,
  judgeLineLength = 32,
  scaleX = 33,
  scaleY = 34,
  holdBpm = 35,
  outputPath = 36,
  judgeLineColorR = 37,
  judgeLineColorG = 38,
  judgeLineColorB = 39,
  hitEffectColorR = 40,
  hitEffectColorG = 41,
  hitEffectColorB = 42,
  obtainedText = 43,
  obtainedContent = 44,
  obtainedContentLine2 = 45,
  superscript = 46,
  subscript = 47,
  uiLoading = 48,
  uiCombo = 49,
  uiNewBest = 50,
  uiMaxCombo = 51,
  uiAccuracy = 52,
  uiAccuracyValue = 53,
  uiPerfect = 54,
  uiGood = 55,
  uiBad = 56,
  uiMiss = 57,
  uiEarly = 58,
  uiLate = 59,
  remarks = 60,
  pauseUiScale = 61,
  nameBarUiScale = 62,
  uiSyncing = 63,
  uiSynced = 64,
};
}  // namespace slot

namespace box {
enum : int {
  recordOpening = 0,
  recordChart = 1,
  recordResult = 2,
  pauseShadow = 3,
  nameBar = 4,
  scoreIncrease = 5,
  songNameSplit = 6,
  obtainedSplit = 7,
  textExpression = 8,
};
}  // namespace box

namespace pair {
enum : int { quality = 0, mirror = 1, storyboardScaleRef = 2 };
}  // namespace pair

namespace sliderId {
enum : int { dim = 0, blur = 1, hitSoundVolume = 2, musicVolume = 3, resultVolume = 4 };
}  // namespace sliderId

// Field labels, page by page; each page's title comes first.
namespace label {
enum : int {
  // page 1: 0 to 11
  titleBasic = 0,
  chartId = 1,
  recordOpening = 2,
  recordChart = 3,
  recordResult = 4,
  illustrationExt = 5,
  audioExt = 6,
  backgroundDim = 7,
  backgroundBlur = 8,
  hitSoundVolume = 9,
  musicVolume = 10,
  resultVolume = 11,
  // page 2: 12 to 22, 49, 50
  titleOpening = 12,
  songName = 13,
  level = 14,
  difficulty = 15,
  composer = 16,
  charter = 17,
  illustrator = 18,
  tip = 19,
  aspectRatio = 20,
  frameRate = 21,
  quality = 22,
  // page 3: 23 to 27
  titleChart = 23,
  pauseShadow = 24,
  nameBar = 25,
  noteSize = 26,
  chartDuration = 27,
  // page 4: 28 to 34, 46 to 48
  titleResult = 28,
  avatar = 29,
  playerName = 30,
  rks = 31,
  challenge = 32,
  scoreIncrease = 33,
  obtainedBox = 34,
  // page 5: 35 to 45, 65, 66
  titleOther = 35,
  judgeLineThickness = 36,
  judgeLineLength = 37,
  scaleX = 38,
  scaleY = 39,
  mirror = 40,
  holdBpm = 41,
  storyboardScaleRef = 42,
  textExpression = 43,
  judgeLineColor = 44,
  hitEffectColor = 45,
  // page 4, continued
  songNameSplit = 46,
  obtainedSplit = 47,
  obtainedType = 48,  // the selector: its caption names the obtained type
  // page 2, continued
  superscript = 49,
  subscript = 50,
  // page 6: 51 to 64, 67, 68
  titleUiText = 51,
  uiLoading = 52,
  uiCombo = 53,
  uiNewBest = 54,
  uiMaxCombo = 55,
  uiAccuracy = 56,
  uiAccuracyValue = 57,
  uiPerfect = 58,
  uiGood = 59,
  uiBad = 60,
  uiMiss = 61,
  uiEarly = 62,
  uiLate = 63,
  remarks = 64,
  // page 5, continued
  pauseUiScale = 65,
  nameBarUiScale = 66,
  // page 6, continued
  uiSyncing = 67,
  uiSynced = 68,
  // A new label goes above: the pool's size follows.
  end
};
}  // namespace label

inline constexpr int kLabelCount = label::end;

}  // namespace zarq
