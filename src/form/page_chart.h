#pragma once
// Page 3: a mock-up of the chart screen (its frame is drawn with the page) with the texts the
// recorder shows on it. The song name and the difficulty line carry their messages above.

#include "form/field_rows.h"

namespace zarq {

// The title's text explains the three texts of the mock-up, which have no caption.
inline constexpr TextView kChartScreenHelp =
    u"这一页是谱面画面的设置哦！\n中间的大框框就是录制时的谱面画面：左下是曲名，右下是难度，右上是"
    u"满分分数。\n照着你想要的样子填进去就可以啦~";

inline constexpr FieldRow kChartFields[] = {
    {.slot = slot::chartSongName,
     .name = "chartSongName",
     .place = {185, 500, 350, 30},
     .value = u"Zarq Radoziro",
     .bubble = BubbleAt::AboveLeft,
     .help = kChartScreenHelp},
    {.slot = slot::chartLevel,
     .name = "chartLevel",
     .place = {559, 500, 200, 30},
     .value = u"IN  Lv.15",
     .alignment = Align::Far,
     .bubble = BubbleAt::AboveRight,
     .help = kChartScreenHelp},
    {.slot = slot::chartFullScore,
     .name = "chartFullScore",
     .place = {559, 150, 200, 30},
     .value = u"1000000",
     .alignment = Align::Far,
     .filters = kNumber | kInteger,
     .bubble = BubbleAt::BelowRight,
     .help = kChartScreenHelp},
    // Both fields end at x 772, their captions 5 pixels left of them.
    {.slot = slot::noteSize,
     .name = "noteSize",
     .place = {757 - Ld, 565, Ld + 15, 30},
     .value = u"175",
     .alignment = Align::Far,
     .filters = kNumber,
     .bubble = BubbleAt::BelowRight,
     .caption = {label::noteSize, u"音符大小", 752 - Ld, 568, 24, Align::Far},
     .help = u"这个是音符的大小，默认175，我的建议呢是控制在170-190之间哦。"},
    {.slot = slot::chartDuration,
     .name = "chartDuration",
     .place = {757 - Ld, 600, Ld + 15, 30},
     .alignment = Align::Far,
     .filters = kNumber,
     .fixedEnding = u"秒",
     .bubble = BubbleAt::BelowRight,
     .caption = {label::chartDuration, u"谱面时长", 752 - Ld, 603, 24, Align::Far},
     .help = u"这里填谱面有多长，单位是秒哦！\n一般照着音乐的长度填就行啦。\n如果音乐最后有一大段没"
             u"有音符的安静部分，也可以填短一点，把它剪掉~"},
};

inline constexpr CheckBoxRow kChartCheckBoxes[] = {
    {.index = box::pauseShadow,
     .name = "pauseShadow",
     .x = 194 + Lp,
     .y = 580,
     .size = 24,
     .caption = {label::pauseShadow, u"暂停后方阴影", 172, 568, 24, Align::Near},
     .help = u"这个是旧版游戏界面里暂停键后面的那一小片阴影哦！\n框框里有方块就是要这片阴影，没有方"
             u"块就是不要。\n喜欢怀旧风格的话可以勾上试试看~"},
    {.index = box::nameBar,
     .name = "nameBar",
     .x = 194 + Lp,
     .y = 615,
     .size = 24,
     .caption = {label::nameBar, u"曲名左侧竖条", 172, 603, 24, Align::Near},
     .help = u"这个是旧版游戏界面里曲名左边的那一根小竖条哦！\n框框里有方块就是要这根竖条，没有方块"
             u"就是不要。\n勾上以后曲名会往右挪一点点，给竖条让个位置~"},
};

inline constexpr PageRows kChartPage = {
    .number = 3,
    .title = {label::titleChart, u"谱面动画设置", kChartScreenHelp},
    .fields = kChartFields,
    .checkBoxes = kChartCheckBoxes,
};

}  // namespace zarq
