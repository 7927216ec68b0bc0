// The full score, shown on the chart screen (slot 19) and on the result screen (slot 28):
// twins that keep each other equal and reset the score-increase pair.

#include "common/numbers.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

int fullScore(const RuleContext& c) { return leadingInt(c.text()); }

bool zeroScore(RuleContext& c) { return fullScore(c) == 0; }
bool notSevenDigits(RuleContext& c) { return fullScore(c) < 1000000 || fullScore(c) >= 10000000; }

template <int Twin>
void copyToTwin(RuleContext& c) {
  setSlotText(c.form, Twin, c.text());
}

// A new full score starts the score-increase pair again: nothing added to nothing.
void resetScoreIncrease(RuleContext& c) {
  setSlotText(c.form, slot::originalScore, u"0000000");
  setSlotText(c.form, slot::addedScore, c.text());
  releaseFieldMessage(c.form, slot::originalScore);
  releaseFieldMessage(c.form, slot::addedScore);
}

constexpr RuleRow kChartFullScore[] = {
    derive(copyToTwin<slot::resultFullScore>),
    error(0, isEmpty, u"错误：满分分数不能为空！",
          u"我靠，满分分数不能为空啊啊啊啊啊啊啊，活有点狠。"),
    error(1, longerThan<8>, u"错误：满分分数过长！",
          u"不要填太多字符啦~ 你这样Orvenn哥哥会受不了滴呢（指因bug连连触发而破防）"),
    error(2, zeroScore, u"错误：满分分数不能为0！",
          u"满分分数不能为0！0只能是我qwq，咳咳，还是填点数字吧。"),
    derive(resetScoreIncrease),
    warning(3, notSevenDigits, u"警告：满分分数应为7位数！",
            u"来自Kesto的不耐烦提醒，满分分数应为7位数。"),
};

constexpr RuleRow kResultFullScore[] = {
    derive(copyToTwin<slot::chartFullScore>),
    error(0, isEmpty, u"错误：满分分数不能为空！", kWriteSomething),
    error(1, longerThan<8>, u"错误：满分分数过长！", kOverfilled),
    error(2, zeroScore, u"错误：满分分数不能为0！",
          u"主播如果考零分全班第一\n我马上刀逼Orvenn改掉。"),
    derive(resetScoreIncrease),
    warning(3, notSevenDigits, u"警告：满分分数应为7位数！",
            u"目前只能七位数捏主播\n想要8位数6位数等后面版本\nbieji"),
};

constexpr SlotRules kFullScore[] = {
    {slot::chartFullScore, kChartFullScore},
    {slot::resultFullScore, kResultFullScore},
};

}  // namespace

std::span<const SlotRules> fullScoreRules() { return kFullScore; }

}  // namespace zarq
