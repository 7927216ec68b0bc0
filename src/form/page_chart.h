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
    field(slot::chartSongName, "chartSongName", {185, 500, 350, 30}, u"Zarq Radoziro")
        .bubbleAt(BubbleAt::AboveLeft)
        .partNamed(u"曲名")
        .explained(kChartScreenHelp),
    field(slot::chartLevel, "chartLevel", {559, 500, 200, 30}, u"IN  Lv.15", Align::Far)
        .bubbleAt(BubbleAt::AboveRight)
        .partNamed(u"难度等级")
        .explained(kChartScreenHelp),
    field(slot::chartFullScore, "chartFullScore", {559, 150, 200, 30}, u"1000000", Align::Far)
        .filtered(kNumber | kInteger)
        .bubbleAt(BubbleAt::BelowRight)
        .partNamed(u"分数")
        .explained(kChartScreenHelp),
    // Both fields end at x 772, their captions 5 pixels left of them.
    field(slot::noteSize, "noteSize", {757 - Ld, 565, Ld + 15, 30}, u"175", Align::Far)
        .filtered(kNumber)
        .bubbleAt(BubbleAt::BelowRight)
        .captioned(label::noteSize, u"音符大小", 752 - Ld, 568, 24, Align::Far)
        .explained(u"这个是音符的大小，默认175，我的建议呢是控制在170-190之间哦。"),
    field(slot::chartDuration, "chartDuration", {757 - Ld, 600, Ld + 15, 30}, u"", Align::Far)
        .filtered(kNumber)
        .endingIn(u"秒")
        .bubbleAt(BubbleAt::BelowRight)
        .captioned(label::chartDuration, u"谱面时长", 752 - Ld, 603, 24, Align::Far)
        .explained(u"这里填谱面有多长，单位是秒哦！\n一般照着音乐的长度填就行啦。\n如果音乐最后有一"
                   u"大段没有音符的安静部分，也可以填短一点，把它剪掉~"),
};

inline constexpr CheckBoxRow kChartCheckBoxes[] = {
    checkBox(box::pauseShadow, "pauseShadow", 194 + Lp, 580, 24, false)
        .captioned(label::pauseShadow, u"暂停后方阴影", 172, 568, 24, Align::Near)
        .explained(u"这个是旧版游戏界面里暂停键后面的那一小片阴影哦！\n框框里有方块就是要这片阴影，"
                   u"没有方块就是不要。\n喜欢怀旧风格的话可以勾上试试看~"),
    checkBox(box::nameBar, "nameBar", 194 + Lp, 615, 24, false)
        .captioned(label::nameBar, u"曲名左侧竖条", 172, 603, 24, Align::Near)
        .explained(u"这个是旧版游戏界面里曲名左边的那一根小竖条哦！\n框框里有方块就是要这根竖条，没"
                   u"有方块就是不要。\n勾上以后曲名会往右挪一点点，给竖条让个位置~"),
};

inline constexpr PageRows kChartPage = {
    .number = 3,
    .title = {label::titleChart, u"谱面动画设置", kChartScreenHelp},
    .fields = kChartFields,
    .checkBoxes = kChartCheckBoxes,
};

}  // namespace zarq
