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
    {.slot = slot::avatar,
     .name = "avatar",
     .place = {245, 130, Lw, 30},
     .value = u"头像.png",
     .caption = {label::avatar, u"头像", 245, 133, 24, Align::Far},
     .help = u"不多介绍，不就是你头像，右上角的，想放什么放什么，图片文件直接拖进来就可以\n但是别羁"
             u"绊放正方形什么的，放16:9左右的，不然给你裁难看了别怪我。"},
    {.slot = slot::playerName,
     .name = "playerName",
     .place = {245, 180, Lw, 30},
     .value = u"不会PerfectのOrvenn",
     .caption = {label::playerName, u"玩家名", 245, 183, 24, Align::Far},
     .help = u"主播的名字\n团队的名字\n你爹的名字\n瞎几把写的名字"},
    {.slot = slot::rks,
     .name = "rks",
     .place = {245, 230, Lw, 30},
     .value = u"14.99",
     .caption = {label::rks, u"RKS", 245, 233, 24, Align::Far},
     .help = u"主播可以填自己的或者是0.00，20."
             u"23什么乱七八糟的，反正最好别超过4个数字，当然也可以写字母"},
    {.slot = slot::challenge,
     .name = "challenge",
     .place = {245, 280, Lw, 30},
     .value = u"绿2",
     .caption = {label::challenge, u"课题", 245, 283, 24, Align::Far},
     .help = u"课题模式成绩\n格式例子：彩?"
             u"\n没错可以写符号\n建议半角。\n空着也可以。\n什么你问我金还是黄，红还是橙，蓝还是青，"
             u"\n，都可以，，，"},
    {.slot = slot::originalScore,
     .name = "originalScore",
     .place = {245, 330, Lz + 12, 30},
     .value = u"0000000",
     .alignment = Align::Centre,
     .bubble = BubbleAt::BelowCentre,
     .shownBy = box::scoreIncrease,
     .help = kScoreIncreaseHelp},
    {.slot = slot::addedScore,
     .name = "addedScore",
     .place = {396, 330, Lz + 12, 30},
     .value = u"1000000",
     .alignment = Align::Centre,
     .bubble = BubbleAt::BelowCentre,
     .shownBy = box::scoreIncrease,
     .help = kScoreIncreaseHelp},
    {.slot = slot::resultFullScore,
     .name = "resultFullScore",
     .place = {542, 330, Lz + 12, 30},
     .value = u"1000000",
     .alignment = Align::Centre,
     .bubble = BubbleAt::BelowCentre,
     .shownBy = box::scoreIncrease,
     .help = kScoreIncreaseHelp},
    {.slot = slot::obtainedText,
     .name = "obtainedText",
     .place = {245, 380, Lg + 20, 30},
     .value = u"已获得",
     .alignment = Align::Centre,
     .help = kObtainedBoxHelp},
    {.slot = slot::obtainedContent,
     .name = "obtainedContent",
     .place = {290, 425, Lm + 20, 30},
     .enabledBy = kObtainedTypeChosen,
     .help = kObtainedBoxHelp},
    {.slot = slot::obtainedContentLine2,
     .name = "obtainedContentLine2",
     .place = {290, 470, Lm + 20, 30},
     .shownBy = box::obtainedSplit,
     .help = kObtainedSplitHelp},
    {.slot = slot::splitNameLine1,
     .name = "splitNameLine1",
     .place = {245, 565, Lw, 30},
     .value = u"Zarq Radoziro",
     .enabledBy = box::songNameSplit,
     .help = kSongNameSplitHelp},
    {.slot = slot::splitNameLine2,
     .name = "splitNameLine2",
     .place = {245, 610, Lw, 30},
     .shownBy = box::songNameSplit,
     .help = kSongNameSplitHelp},
};

inline constexpr CheckBoxRow kResultCheckBoxes[] = {
    {.index = box::scoreIncrease,
     .name = "scoreIncrease",
     .x = 265,
     .y = 345,
     .size = 24,
     .caption = {label::scoreIncrease, u"分数增加", 245, 333, 24, Align::Far},
     .help = kScoreIncreaseHelp},
    {.index = box::songNameSplit,
     .name = "songNameSplit",
     .x = 265,
     .y = 535,
     .size = 24,
     .caption = {label::songNameSplit, u"曲名分行", 245, 523, 24, Align::Far},
     .help = kSongNameSplitHelp},
    {.index = box::obtainedSplit,
     .name = "obtainedSplit",
     .x = 265,
     .y = 440,
     .size = 24,
     .enabledBy = kObtainedTypeChosen,
     .caption = {label::obtainedSplit, u"分行", 245, 428, 24, Align::Far},
     .help = kObtainedSplitHelp},
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
