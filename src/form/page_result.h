#pragma once
// Page 4: the result screen. Captions end at x 245. Three score fields appear where the
// score-increase box sits once it is ticked; the obtained box and the song name may each run
// over two lines.

#include "form/field_rows.h"

namespace zarq {

inline constexpr TextView kScoreIncreaseHelp =
    u"就是分数下面那小字\n例如9999999 "
    u"+0000001\n如果关掉就不会显示这两串数字\n不知道为什么好多人不用。";
inline constexpr TextView kObtainedBoxHelp =
    u"这是一条压缩已获得框，它遇结算展开变长，他可以有文件获得，data获得，曲绘获得，头像获得";
inline constexpr TextView kObtainedSplitHelp =
    u"当主播的已获得框文字过长时，例如\nshoujiliyouyuanshen(New illustration)\n你就得选择分行显示";
inline constexpr TextView kSongNameSplitHelp =
    u"如果你曲名太几把长了或者感觉缩放不好那么我建议主播让他分行我记得sigma里里好像就分了行";

inline constexpr FieldRow kResultFields[] = {
    field(slot::avatar, "avatar", {245, 130, Lw, 30}, u"头像.png")
        .captioned(label::avatar, u"头像", 245, 133, 24, Align::Far)
        .explained(u"不多介绍，不就是你头像，右上角的，想放什么放什么，图片文件直接拖进来就可以\n但"
                   u"是别羁绊放正方形什么的，放16:9左右的，不然给你裁难看了别怪我。"),
    field(slot::playerName, "playerName", {245, 180, Lw, 30}, u"不会PerfectのOrvenn")
        .captioned(label::playerName, u"玩家名", 245, 183, 24, Align::Far)
        .explained(u"主播的名字\n团队的名字\n你爹的名字\n瞎几把写的名字"),
    field(slot::rks, "rks", {245, 230, Lw, 30}, u"14.99")
        .captioned(label::rks, u"RKS", 245, 233, 24, Align::Far)
        .explained(u"主播可以填自己的或者是0.00，20."
                   u"23什么乱七八糟的，反正最好别超过4个数字，当然也可以写字母"),
    field(slot::challenge, "challenge", {245, 280, Lw, 30}, u"绿2")
        .captioned(label::challenge, u"课题", 245, 283, 24, Align::Far)
        .explained(u"课题模式成绩\n格式例子：彩?"
                   u"\n没错可以写符号\n建议半角。\n空着也可以。\n什么你问我金还是黄，红还是橙，蓝还"
                   u"是青，\n，都可以，，，"),
    field(slot::originalScore, "originalScore", {245, 330, Lz + 12, 30}, u"0000000", Align::Centre)
        .bubbleAt(BubbleAt::BelowCentre)
        .shownWhile(box::scoreIncrease)
        .partNamed(u"原分数")
        .explained(kScoreIncreaseHelp),
    field(slot::addedScore, "addedScore", {396, 330, Lz + 12, 30}, u"1000000", Align::Centre)
        .bubbleAt(BubbleAt::BelowCentre)
        .shownWhile(box::scoreIncrease)
        .partNamed(u"增加分数")
        .explained(kScoreIncreaseHelp),
    field(slot::resultFullScore, "resultFullScore", {542, 330, Lz + 12, 30}, u"1000000",
          Align::Centre)
        .bubbleAt(BubbleAt::BelowCentre)
        .shownWhile(box::scoreIncrease)
        .partNamed(u"满分")
        .explained(kScoreIncreaseHelp),
    field(slot::obtainedText, "obtainedText", {245, 380, Lg + 20, 30}, u"已获得", Align::Centre)
        .partNamed(u"文字")
        .explained(kObtainedBoxHelp),
    field(slot::obtainedContent, "obtainedContent", {290, 425, Lm + 20, 30}, u"")
        .usableWhile(kObtainedTypeChosen)
        .partNamed(u"内容")
        .explained(kObtainedBoxHelp),
    field(slot::obtainedContentLine2, "obtainedContentLine2", {290, 470, Lm + 20, 30}, u"")
        .shownWhile(box::obtainedSplit)
        .partNamed(u"第二行")
        .explained(kObtainedSplitHelp),
    field(slot::splitNameLine1, "splitNameLine1", {245, 565, Lw, 30}, u"Zarq Radoziro")
        .usableWhile(box::songNameSplit)
        .partNamed(u"第一行")
        .explained(kSongNameSplitHelp),
    field(slot::splitNameLine2, "splitNameLine2", {245, 610, Lw, 30}, u"")
        .shownWhile(box::songNameSplit)
        .partNamed(u"第二行")
        .explained(kSongNameSplitHelp),
};

inline constexpr CheckBoxRow kResultCheckBoxes[] = {
    checkBox(box::scoreIncrease, "scoreIncrease", 265, 345, 24, false)
        .captioned(label::scoreIncrease, u"分数增加", 245, 333, 24, Align::Far)
        .explained(kScoreIncreaseHelp),
    checkBox(box::songNameSplit, "songNameSplit", 265, 535, 24, false)
        .captioned(label::songNameSplit, u"曲名分行", 245, 523, 24, Align::Far)
        .explained(kSongNameSplitHelp),
    checkBox(box::obtainedSplit, "obtainedSplit", 265, 440, 24, false)
        .usableWhile(kObtainedTypeChosen)
        .captioned(label::obtainedSplit, u"分行", 245, 428, 24, Align::Far)
        .explained(kObtainedSplitHelp),
};

inline constexpr SelectorRow kResultSelectors[] = {
    {.caption = {label::obtainedBox, u"已获得框", 245, 383, 24, Align::Far},
     .help = kObtainedBoxHelp,
     .label = label::obtainedType,
     .x = 267 + Lg,
     .y = 383,
     .size = 24,
     .value = u"无",
     .selectorHelp = u"要是看到这行字就是主播卡bug了"},
};

inline constexpr PageRows kResultPage = {
    .number = 4,
    .title = {label::titleResult, u"结算动画设置",
              u"这一页是结算画面的设置哦！\n头像、玩家名、RKS、课题、分数，还有已获得框，结算的时候"
              u"都会显示出来。\n想怎么整活就怎么填吧，不过别太离谱哦 (￣▽￣)"},
    .fields = kResultFields,
    .checkBoxes = kResultCheckBoxes,
    .selectors = kResultSelectors,
};

}  // namespace zarq
