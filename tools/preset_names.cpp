#include "preset_names.h"

namespace zarq::tool {

const std::array<std::string_view, kTextSlotCount> kTextNames = {
    "chartId",
    "illustrationExt",
    "audioExt",
    "backgroundDim",
    "backgroundBlur",
    "hitSoundVolume",
    "musicVolume",
    "resultVolume",
    "songName",
    "level",
    "difficulty",
    "composer",
    "charter",
    "illustrator",
    "tip",
    "aspectRatio",
    "frameRate",
    "chartSongName",
    "chartLevel",
    "chartFullScore",
    "noteSize",
    "chartDuration",
    "avatar",
    "playerName",
    "rks",
    "challenge",
    "originalScore",
    "addedScore",
    "resultFullScore",
    "splitNameLine1",
    "splitNameLine2",
    "judgeLineThickness",
    "judgeLineLength",
    "scaleX",
    "scaleY",
    "holdBpm",
    "outputPath",
    "judgeLineColorR",
    "judgeLineColorG",
    "judgeLineColorB",
    "hitEffectColorR",
    "hitEffectColorG",
    "hitEffectColorB",
    "obtainedText",
    "obtainedContent",
    "obtainedContentLine2",
    "superscript",
    "subscript",
    "uiLoading",
    "uiCombo",
    "uiNewBest",
    "uiMaxCombo",
    "uiAccuracy",
    "uiAccuracyValue",
    "uiPerfect",
    "uiGood",
    "uiBad",
    "uiMiss",
    "uiEarly",
    "uiLate",
    "remarks",
    "pauseUiScale",
    "nameBarUiScale",
    "uiSyncing",
    "uiSynced",
};

const std::array<std::string_view, kCheckBoxSlotCount> kCheckBoxNames = {
    "recordOpening", "recordChart",   "recordResult",  "pauseShadow",    "nameBar",
    "scoreIncrease", "songNameSplit", "obtainedSplit", "textExpression",
};

const std::array<std::string_view, kPresetSliderCount> kSliderNames = {
    "backgroundDimSlider", "backgroundBlurSlider", "hitSoundVolumeSlider",
    "musicVolumeSlider",   "resultVolumeSlider",
};

const std::array<OptionPairName, kPresetOptionPairCount> kOptionPairNames = {{
    {"quality", {"1080P", "2K"}},
    {"mirror", {"X", "Y"}},
    {"storyboardScaleRef", {"X", "Y"}},
}};

}  // namespace zarq::tool
