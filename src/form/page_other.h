#pragma once
// Page 5: judge line, scales, mirror, hold tempo, storyboard, UI scales and colours. Captions
// end at x 325 (left column) or 672 (right column); colours are red, green and blue side by
// side under one caption.

#include "form/field_rows.h"

namespace zarq {

inline constexpr TextView kColourHelp =
    u"这里用的是RGB颜色的数值哦，有需要可以搜索后更改颜色…如果只是录制一张正常的谱面，用默认就可以"
    u"啦";

inline constexpr FieldRow kOtherFields[] = {
    field(slot::judgeLineThickness, "judgeLineThickness", {330, 130, Lo, 30}, u"1.25")
        .filtered(kNumber)
        .captioned(label::judgeLineThickness, u"判定线厚度", 325, 133, 24, Align::Far)
        .explained(u"这个是判定线的厚度哦！\n编辑器里画出来的判定线厚度是1.7，游戏里面是1."
                   u"25。\n一般保持1.25就好啦，Pim酱不建议乱改哦~"),
    field(slot::judgeLineLength, "judgeLineLength", {330, 181, Lo, 30}, u"4000")
        .filtered(kNumber)
        .captioned(label::judgeLineLength, u"判定线长度", 325, 184, 24, Align::Far)
        .explained(u"所谓「判定线等身抱枕」可以被提出，是因为判定线实际是有长度哦~"
                   u"\n如果你想要使用故事版「断线」效果的话，需要知道的是…\nZarq作为3 : "
                   u"2的比例，判定线长度为4000\n如果你使用了涉及判定线长度的动效，要注意保证比例和"
                   u"长度为3 : 2及4000，如果使用16 : "
                   u"9的宽屏嘛……建议判定线填写8000，这样的话判定线就不会不小心露出来啦"),
    field(slot::scaleX, "scaleX", {330, 232, Lo, 30}, u"1.0")
        .filtered(kNumber)
        .captioned(label::scaleX, u"X轴缩放", 325, 235, 24, Align::Far)
        .explained(u"嘛……我也不知道Orvenn他为什么放了一个这个参数，如果不需要什么例如「出屏」这种诡"
                   u"异的效果，请略过哦"),
    field(slot::scaleY, "scaleY", {330, 283, Lo, 30}, u"1.0")
        .filtered(kNumber)
        .captioned(label::scaleY, u"Y轴缩放", 325, 286, 24, Align::Far)
        .explained(u"嘛……我也不知道Orvenn他为什么放了一个这个参数，如果不需要什么例如「出屏」这种诡"
                   u"异的效果，请略过哦"),
    field(slot::holdBpm, "holdBpm", {330, 385, Lo, 30}, u"0")
        .filtered(kNumber)
        .captioned(label::holdBpm, u"长条BPM", 325, 388, 24, Align::Far)
        .explained(u"长条的打击动效是跟着BPM走的哦！\n如果谱面的BPM在90到250之间，这里不用管它；\n"
                   u"要是不在这个范围里，建议在这里填一个合适的BPM，动效就不会太快或太慢啦~"),
    field(slot::pauseUiScale, "pauseUiScale", {330, 487, 2 * Lk, 30}, u"1.0")
        .filtered(kNumber)
        .captioned(label::pauseUiScale, u"暂停UI缩放", 325, 490, 24, Align::Far)
        .explained(
            u"在 Zarq 中使用 UI 绑定了暂停键后，暂停键会变得非常大哦。此时大概添加缩放事件到 0.21 "
            u"左右可以还原。\n那么假如你在 Zarq 中缩放暂停键到 0.2 来还原原尺寸，那么请在这里填写 "
            u"5.0 (1÷0.2)。"),
    field(slot::nameBarUiScale, "nameBarUiScale", {677, 487, 2 * Lk, 30}, u"1.0")
        .filtered(kNumber)
        .captioned(label::nameBarUiScale, u"曲名竖条UI缩放", 672, 490, 24, Align::Far)
        .explained(
            u"在 Zarq 中使用 UI 绑定了曲名左侧的竖条后，竖条会变得非常大哦。此时大概添加缩放事件到 "
            u"0.15 左右可以还原。\n那么假如你在 Zarq 中缩放竖条到 0.15 "
            u"来还原原尺寸，那么请在这里填写 6.67 (1÷0.15)。"),
    field(slot::judgeLineColorR, "judgeLineColorR", {330, 538, Lk, 30}, u"255", Align::Centre)
        .filtered(kNumber | kInteger)
        .captioned(label::judgeLineColor, u"判定线颜色", 325, 541, 24, Align::Far)
        .partNamed(u"R")
        .explained(kColourHelp),
    field(slot::judgeLineColorG, "judgeLineColorG", {330 + Lk, 538, Lk, 30}, u"255", Align::Centre)
        .filtered(kNumber | kInteger)
        .partNamed(u"G")
        .explained(kColourHelp),
    field(slot::judgeLineColorB, "judgeLineColorB", {330 + 2 * Lk, 538, Lk, 30}, u"180",
          Align::Centre)
        .filtered(kNumber | kInteger)
        .partNamed(u"B")
        .explained(kColourHelp),
    field(slot::hitEffectColorR, "hitEffectColorR", {330, 589, Lk, 30}, u"255", Align::Centre)
        .filtered(kNumber | kInteger)
        .captioned(label::hitEffectColor, u"打击特效颜色", 325, 592, 24, Align::Far)
        .partNamed(u"R")
        .explained(kColourHelp),
    field(slot::hitEffectColorG, "hitEffectColorG", {330 + Lk, 589, Lk, 30}, u"238", Align::Centre)
        .filtered(kNumber | kInteger)
        .partNamed(u"G")
        .explained(kColourHelp),
    field(slot::hitEffectColorB, "hitEffectColorB", {330 + 2 * Lk, 589, Lk, 30}, u"160",
          Align::Centre)
        .filtered(kNumber | kInteger)
        .partNamed(u"B")
        .explained(kColourHelp),
};

inline constexpr CheckBoxRow kOtherCheckBoxes[] = {
    checkBox(box::textExpression, "textExpression", 692, 451, 24, false)
        .captioned(label::textExpression, u"文本表达式", 672, 439, 24, Align::Far)
        .explained(u"这个是 Zarq Radoziro 原创功能哦，可以在录制须知中跳转链接啦"),
};

inline constexpr OptionPairRow kOtherOptionPairs[] = {
    {.index = pair::mirror,
     .name = "mirror",
     .x = 330,
     .y = 334,
     .height = 30,
     .first = u"X",
     .second = u"Y",
     .gap = 10,
     .caption = {label::mirror, u"谱面镜像", 325, 337, 24, Align::Far},
     .help = u"或许…为了防止一些人锁屏跟打时手僻，可以选择镜像录制喵~"
             u"\n（外侧存在方框则为选中，XY可以同时选中哦）"},
    {.index = pair::storyboardScaleRef,
     .name = "storyboardScaleRef",
     .x = 330,
     .y = 436,
     .height = 30,
     .first = u"X",
     .second = u"Y",
     .firstSelected = true,
     .secondSelected = true,
     .gap = 10,
     .caption = {label::storyboardScaleRef, u"故事版缩放参考", 325, 439, 24, Align::Far},
     .help = u"故事版缩放参考是故事版的图片缩放参考用的东西啦，不懂的话就XY都选上罢~"
             u"\n虽然可以用其它比例录制故事版，但是我建议你使用3:"
             u"2哦\n（外侧存在方框则为选中，XY可以同时选中哦，这个需要至少选中一个哦）"},
};

inline constexpr PageRows kOtherPage = {
    .number = 5,
    .title = {label::titleOther, u"其它设置",
              u"这一页是其它的一些设置哦！\n判定线、缩放、镜像、长条BPM和打击特效的颜色都在这里。\n"
              u"看不懂的话保持默认就好啦，Pim酱已经帮你调好了~"},
    .fields = kOtherFields,
    .checkBoxes = kOtherCheckBoxes,
    .optionPairs = kOtherOptionPairs,
};

}  // namespace zarq
