// Page 3: the chart-screen mock-up.

#include <cmath>

#include "common/numbers.h"
#include "form/field_table.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

constexpr char16_t kOrvennWouldBreak[] =
    u"不要填太多字符啦~ 你这样Orvenn哥哥会受不了滴呢（指因bug连连触发而破防）";

// --- slot 17: the song name on the chart screen, copied back to the opening screen ---

void copyChartSongName(RuleContext& c) {
  setSlotText(c.form, slot::songName, c.text());
  setSlotText(c.form, slot::splitNameLine1, c.text());
}

constexpr RuleRow kChartSongName[] = {
    derive(copyChartSongName),
    error(0, isEmpty, u"错误：曲名不能为空！",
          u"欸欸欸，曲名不能为空！您不会忘记了这首歌叫什么名字吧？"),
    error(1, longerThan<90>, u"错误：曲名过长！",
          u"不要填太多字符啦~ 你这样Orvenn哥哥会受不了滴呢（指因bug连连触发而破防），"
          u"希望您控制在90字以内哦~"),
};

// --- slot 18: the level line, such as "IN  Lv.15" ---

// Index of the first "Lv." in any letter case of L and v; -1 when there is none.
int levelMark(const RuleContext& c) {
  const Text& t = c.text();
  for (int i = 0; i + 3 <= c.length(); ++i) {
    if ((t[i] == u'L' || t[i] == u'l') && (t[i + 1] == u'V' || t[i + 1] == u'v') &&
        t[i + 2] == u'.') {
      return i;
    }
  }
  return -1;
}

bool noLevelMark(RuleContext& c) { return levelMark(c) < 0; }
bool lowerCaseL(RuleContext& c) { return c.text()[levelMark(c)] == u'l'; }
bool upperCaseV(RuleContext& c) { return c.text()[levelMark(c) + 1] == u'V'; }
bool notTwoSpacesBeforeMark(RuleContext& c) {
  const int p = levelMark(c);
  return !(c.length() >= 5 && p >= 2 && c.text()[p - 1] == u' ' && c.text()[p - 2] == u' ');
}

constexpr RuleRow kChartLevel[] = {
    error(0, isEmpty, u"错误：难度不能为空！",
          u"难度不能为空！请您再思考思考您的这张谱有多难，或者不写定数直接整活也不是不可以嗒，"
          u"但是总得填点什么不是嘛"),
    error(1, longerThan<90>, u"错误：难度过长！", kOrvennWouldBreak),
    warning(2, noLevelMark, u"警告：应在难度中添加「Lv.」！",
            u"来自Kesto的友善提醒：应在难度中添加「Lv.」！"),
    // Without a mark (its warning closed) the remaining rules have nothing to look at.
    passWhen(noLevelMark),
    warning(3, lowerCaseL, u"警告：Lv.的L应为大写！", u"来自Kesto的友善提醒：Lv.的L应为大写！"),
    warning(4, upperCaseV, u"警告：Lv.的v应为小写！", u"来自Kesto的友善提醒：Lv.的v应为小写！"),
    warning(5, notTwoSpacesBeforeMark, u"警告：应在「Lv.」前添加两个空格！",
            u"来自Kesto的友善提醒：应在「Lv.」前添加两个空格！"),
};

// --- slot 20: the note size ---

// 114 and 114.5 get a joke of their own.
bool smellyNoteSize(RuleContext& c) {
  return std::abs(numberOf(c) - 114) < 0.01 || std::abs(numberOf(c) - 114.5) < 0.01;
}

constexpr RuleRow kNoteSize[] = {
    error(0, isEmpty, u"错误：音符大小不能为空！",
          u"音符大小不能为空！什么你要搞盲打？这里不支持哦。"),
    error(1, longerThan<5>, u"错误：音符大小过长！",
          u"音符大小过长！什么你要大香蕉？还是去冰箱找找吧。"),
    error(2, numberAtMost<100>, u"错误：音符大小应大于100！",
          u"您的音符太小了，这边建议填大于150的数值。"),
    error(3, numberAtLeast<300>, u"错误：音符大小应小于300！",
          u"您的音符太大了，这边建议填小于300的数值。"),
    warning(4, smellyNoteSize, u"警告：音符大小太臭！", u"？"),
    warning(5, numberBelow<150>, u"警告：音符大小太小！", u"您的音符有点小（"),
    warning(6, numberAbove<250>, u"警告：音符大小太大！", u"您的音符有点大（"),
};

// --- slot 21: the chart's duration in seconds; its fixed ending "秒" alone counts as empty ---

bool onlyTheEnding(RuleContext& c) { return c.text() == fieldRow(c.slot).fixedEnding; }

constexpr RuleRow kChartDuration[] = {
    error(0, onlyTheEnding, u"错误：谱面时长不能为空！", u"我去！您谱没了。"),
    error(1, longerThan<8>, u"错误：谱面时长文本过长！", u"我去！这，，，什么啊。"),
    warning(4, numberBelow<60>, u"警告：时长太短！", u"Kesto的机械警告：时长太短"),
    warning(5, numberAbove<300>, u"警告：时长太长！", u"Kesto的机械警告：时长太长"),
};

constexpr SlotRules kPage3[] = {
    {slot::chartSongName, kChartSongName},
    {slot::chartLevel, kChartLevel},
    {slot::noteSize, kNoteSize},
    {slot::chartDuration, kChartDuration},
};

}  // namespace

std::span<const SlotRules> page3Rules() { return kPage3; }

}  // namespace zarq
