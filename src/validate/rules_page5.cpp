// Page 5: other settings, and the output path that only the preset carries.

#include <cmath>

#include "common/numbers.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

constexpr char16_t kMissing[] = u"喵……你这里少填啦~不能为空哦";
constexpr char16_t kTooLong[] = u"Mivu提示您：数据千万条，文本第一条，长度不规范，Orvenn两行泪";

bool thicknessChanged(RuleContext& c) { return std::abs(numberOf(c) - 1.25) > 0.01; }
bool outsideHoldRange(RuleContext& c) { return numberOf(c) > 270 || numberOf(c) < 90; }

constexpr RuleRow kJudgeLineThickness[] = {
    error(0, isEmpty, u"错误：判定线厚度不能为空！", kMissing),
    error(1, longerThan<5>, u"错误：判定线厚度文本过长！", kTooLong),
    error(2, numberAtLeast<100>, u"错误：判定线厚度应小于100！",
          u"哪来的这么厚判定线（），厚度最多也就只能到100罢……"),
    error(3, numberIsZero, u"错误：判定线厚度不能为0！",
          u"喂喂~判定线厚度为0，疑似遭受降维打击（？）"),
    warning(4, thicknessChanged, u"不建议修改判定线厚度！", u"不建议随意修改判定线厚度喵"),
};

constexpr RuleRow kJudgeLineLength[] = {
    error(0, isEmpty, u"错误：判定线长度不能为空！", kMissing),
    error(1, longerThan<5>, u"错误：判定线长度文本过长！", kTooLong),
    error(2, numberAtLeast<20000>, u"错误：判定线长度应小于两万！",
          u"判定线太长啦……2万的长度…Zarq Recorder会坏掉的啦……"),
    error(3, numberIsZero, u"错误：判定线长度不能为0！", u"长度只有0……？逊诶~"),
};

constexpr RuleRow kScaleX[] = {
    error(0, isEmpty, u"错误：X轴缩放不能为空！", kMissing),
    error(1, longerThan<5>, u"错误：X轴缩放文本过长！", kTooLong),
    error(2, numberAtLeast<100>, u"错误：X轴缩放应小于一百！", u"X轴缩放要＜100哦~"),
    error(3, numberIsZero, u"错误：X轴缩放不能为0！", u"X轴缩放成0……？怎么想的啊你（）"),
};

constexpr RuleRow kScaleY[] = {
    error(0, isEmpty, u"错误：Y轴缩放不能为空！", kMissing),
    error(1, longerThan<5>, u"错误：Y轴缩放文本过长！", kTooLong),
    error(2, numberAtLeast<100>, u"错误：Y轴缩放应小于一百！", u"Y轴缩放要＜100哦~"),
    error(3, numberIsZero, u"错误：Y轴缩放不能为0！", u"Y轴缩放成0……？怎么想的啊你（）"),
};

constexpr RuleRow kHoldBpm[] = {
    error(0, isEmpty, u"错误：长条BPM不能为空！", kMissing),
    error(1, longerThan<8>, u"错误：长条BPM文本过长！", kTooLong),
    error(2, numberAtLeast<400>, u"错误：长条BPM应小于四百！",
          u"Hold的BPM太高啦~至少要在400以内罢…"),
    warning(3, outsideHoldRange, u"警告：长条BPM应在90 - 270之间！",
            u"Tip: 你知道嘛——正常的Hold打击动效的BPM是在90-270之间哦"),
};

constexpr RuleRow kOutputPath[] = {
    error(0, isEmpty, u"错误：输出路径不能为空！", kMissing),
    error(1, longerThan<90>, u"错误：输出路径过长！", kTooLong),
};

// One of the six colour components (judge line and hit effect, R, G, B).
constexpr RuleRow kColourComponent[] = {
    error(0, isEmpty, u"错误：不能为空！", kMissing),
    error(1, longerThan<3>, u"错误：内容过长！", kTooLong),
    error(2, integerAbove<255>, u"错误：不能大于255！", u"咿呀*透明度＞255，Mivu要被闪瞎了www"),
};

constexpr SlotRules kPage5[] = {
    {slot::judgeLineThickness, kJudgeLineThickness},
    {slot::judgeLineLength, kJudgeLineLength},
    {slot::scaleX, kScaleX},
    {slot::scaleY, kScaleY},
    {slot::holdBpm, kHoldBpm},
    {slot::outputPath, kOutputPath},
    {slot::judgeLineColorR, kColourComponent},
    {slot::judgeLineColorG, kColourComponent},
    {slot::judgeLineColorB, kColourComponent},
    {slot::hitEffectColorR, kColourComponent},
    {slot::hitEffectColorG, kColourComponent},
    {slot::hitEffectColorB, kColourComponent},
};

}  // namespace

std::span<const SlotRules> page5Rules() { return kPage5; }

}  // namespace zarq
