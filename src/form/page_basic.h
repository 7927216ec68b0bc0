#pragma once
// Page 1: the chart, the parts to record, the media suffixes, dim, blur and volumes. Its
// captions are a little translucent; each slider mirrors its value in the field below it.

#include "form/field_rows.h"

namespace zarq {

inline constexpr Argb kBasicCaption = 0xE6FFFFFF;

inline constexpr TextView kDimHelp =
    u"这个是背景暗化的程度啦！\n数值要在123到……到多少来着?(。ヘ°) "
    u"等我翻翻\n哦哦！是123到255哦，据说这个数值越大背景就会越暗哦。";
inline constexpr TextView kBlurHelp =
    u"这个是背景模糊的程度啦！\n数值越大曲绘就越糊，0就是一点都不模糊哦。\n一般填80左右就很好看啦，"
    u"Pim酱平时也是这么用的！(｡•̀ᴗ-)✧";
inline constexpr TextView kHitSoundHelp =
    u"这个是音符被打击时发出的叫声哦！(^O^) 嗷~~\nPim酱建议你不要调整它，可以去调整音乐音量哒！";
inline constexpr TextView kMusicVolumeHelp =
    u"这个是音乐的音量啦！\n默认是0.8，如果你觉得音乐有点小声可以调大一点哦。(@^▽^@)";
inline constexpr TextView kResultVolumeHelp =
    u"这个是结算界面时「砰(ノ^o^)ノ 」的一声炸出来的音乐哦！\n默认是0.8，但一般不会调整哦。";

inline constexpr FieldRow kBasicFields[] = {
    field(slot::chartId, "chartId", {322, 160, 300, 45}, u"20220924", Align::Centre)
        .bubbleAt(BubbleAt::BelowCentre)
        .captioned(label::chartId, u"谱面ID", 472, 127.5f, 25, Align::Centre, kBasicCaption)
        .explained(u"Pim酱来辣！φ(>ω<*)"
                   u"\n\n谱面ID是你的谱面的文件名哦！\n咦，不知道在哪里找吗？你好笨笨哦！\n把谱面文"
                   u"件拖进来就好啦，Pim酱帮你填叭！(－ｏ⌒)=3\n\n咦，你不会不知道谱面文件在哪里叭 "
                   u"∑(QAQ) \n打开你的Zarq谱面，点击谱面基本信息，点击打开文件夹就能找到辣！"),
    field(slot::illustrationExt, "illustrationExt", {247, 375, 150, 45}, u"PNG", Align::Centre)
        .filtered(kSuffix)
        .bubbleAt(BubbleAt::BelowCentre)
        .captioned(label::illustrationExt, u"曲绘", 322, 342.5f, 25, Align::Centre, kBasicCaption)
        .explained(u"在这里输入你的曲绘后缀名哦！\n不过你把谱面拖进来Pim酱也不是不能帮你填就是辣。("
                   u"￣▽￣)"),
    field(slot::audioExt, "audioExt", {247, 545, 150, 45}, u"MP3", Align::Centre)
        .filtered(kSuffix)
        .bubbleAt(BubbleAt::BelowCentre)
        .captioned(label::audioExt, u"音乐", 322, 512.5f, 25, Align::Centre, kBasicCaption)
        .explained(u"在这里输入你的音频后缀名哦！\n不过你把谱面拖进来Pim酱也不是不能帮你填就是辣。("
                   u"￣▽￣)"),
    // The sliders' fields start empty: they show their slider's value once it exists.
    field(slot::backgroundDim, "backgroundDim", {557, 351, 50, 18}, u"", Align::Centre)
        .filtered(kNumber | kInteger)
        .bubbleAt(BubbleAt::BelowCentre)
        .usableWhile(box::recordChart)
        .explained(kDimHelp),
    field(slot::backgroundBlur, "backgroundBlur", {557, 411, 50, 18}, u"", Align::Centre)
        .filtered(kNumber | kInteger)
        .bubbleAt(BubbleAt::BelowCentre)
        .explained(kBlurHelp),
    field(slot::hitSoundVolume, "hitSoundVolume", {557, 491, 50, 18}, u"", Align::Centre)
        .filtered(kNumber)
        .bubbleAt(BubbleAt::BelowCentre)
        .usableWhile(box::recordChart)
        .explained(kHitSoundHelp),
    field(slot::musicVolume, "musicVolume", {557, 551, 50, 18}, u"", Align::Centre)
        .filtered(kNumber)
        .bubbleAt(BubbleAt::BelowCentre)
        .usableWhile(box::recordChart)
        .explained(kMusicVolumeHelp),
    field(slot::resultVolume, "resultVolume", {557, 611, 50, 18}, u"", Align::Centre)
        .filtered(kNumber)
        .bubbleAt(BubbleAt::BelowCentre)
        .usableWhile(box::recordResult)
        .explained(kResultVolumeHelp),
};

inline constexpr CheckBoxRow kBasicCheckBoxes[] = {
    checkBox(box::recordOpening, "recordOpening", 392, 265, 25, true)
        .captioned(label::recordOpening, u"开场", 392, 234.5f, 15, Align::Centre, kBasicCaption)
        .explained(u"谱面的录制分为多个部分哦！\n有开场，谱面和结算……1…2…3，三个部分！\n看到下面辣"
                   u"个框框了吗，点一下就可以切换辣！\n里面有方块就是需要录制这个部分。\n没有方块？"
                   u"这都不懂吗笨笨！( ｀д′)"),
    checkBox(box::recordChart, "recordChart", 472, 265, 25, true)
        .captioned(label::recordChart, u"谱面", 472, 234.5f, 15, Align::Centre, kBasicCaption)
        .explained(u"谱面的录制分为多个部分哦！\n有开场，谱面和结算……1…2…3，三个部分！\n看到下面辣"
                   u"个框框了吗，点一下就可以切换辣！\n里面有方块就是需要录制这个部分。\n没有方块？"
                   u"这都不懂吗傻瓜！( ｀д′)"),
    checkBox(box::recordResult, "recordResult", 552, 265, 25, true)
        .captioned(label::recordResult, u"结算", 552, 234.5f, 15, Align::Centre, kBasicCaption)
        .explained(u"谱面的录制分为多个部分哦！\n有开场，谱面和结算……1…2…3，三个部分！\n看到下面辣"
                   u"个框框了吗，点一下就可以切换辣！\n里面有方块就是需要录制这个部分。\n没有方块？"
                   u"这都不懂吗笨蛋！( ｀д′)"),
};

// Unrecorded parts grey out their sliders, which go back to these values.
inline constexpr SliderRow kBasicSliders[] = {
    {.index = sliderId::dim,
     .slot = slot::backgroundDim,
     .x = 582,
     .y = 346.25f,
     .width = 150,
     .min = 123,
     .max = 255,
     .step = 1,
     .value = 150,
     .integerOnly = true,
     .enabledBy = box::recordChart,
     .caption = {label::backgroundDim, u"背景暗化", 582, 322.8f, 14.4f, Align::Centre,
                 kBasicCaption},
     .help = kDimHelp},
    {.index = sliderId::blur,
     .slot = slot::backgroundBlur,
     .x = 582,
     .y = 406.25f,
     .width = 150,
     .min = 0,
     .max = 100,
     .step = 1,
     .value = 80,
     .integerOnly = true,
     .caption = {label::backgroundBlur, u"背景模糊", 582, 382.8f, 14.4f, Align::Centre,
                 kBasicCaption},
     .help = kBlurHelp},
    {.index = sliderId::hitSoundVolume,
     .slot = slot::hitSoundVolume,
     .x = 582,
     .y = 486.25f,
     .width = 150,
     .min = 0,
     .max = 1,
     .step = 0.1f,
     .value = 1.0f,
     .enabledBy = box::recordChart,
     .caption = {label::hitSoundVolume, u"音效音量", 582, 462.8f, 14.4f, Align::Centre,
                 kBasicCaption},
     .help = kHitSoundHelp},
    {.index = sliderId::musicVolume,
     .slot = slot::musicVolume,
     .x = 582,
     .y = 546.25f,
     .width = 150,
     .min = 0,
     .max = 2,
     .step = 0.1f,
     .value = 0.8f,
     .enabledBy = box::recordChart,
     .caption = {label::musicVolume, u"音乐音量", 582, 522.8f, 14.4f, Align::Centre, kBasicCaption},
     .help = kMusicVolumeHelp},
    {.index = sliderId::resultVolume,
     .slot = slot::resultVolume,
     .x = 582,
     .y = 606.25f,
     .width = 150,
     .min = 0,
     .max = 2,
     .step = 0.1f,
     .value = 0.8f,
     .enabledBy = box::recordResult,
     .caption = {label::resultVolume, u"结算音量", 582, 582.8f, 14.4f, Align::Centre,
                 kBasicCaption},
     .help = kResultVolumeHelp},
};

inline constexpr PageRows kBasicPage = {
    .number = 1,
    .title =
        {label::titleBasic, u"Zarq Radoziro 设置填写器",
         u"欢迎欢迎！这里是Pim酱哦~ "
         u"(≧∇≦)"
         u"ﾉ\n\n点一下页面上的任何一个标题，Pim酱就会告诉你它是干什么用的！\n这个填写器是用来填写 "
         u"Zarq Radoziro "
         u"录制设置的：把开场、谱面和结算要显示的东西都填好，保存成预设交给录制就好啦。\n\n作者：Or"
         u"venn\n遇到问题可以加交流群：736981520\n也可以在视频站找作者哦，账号：3493118"},
    .fields = kBasicFields,
    .checkBoxes = kBasicCheckBoxes,
    .sliders = kBasicSliders,
};

}  // namespace zarq
