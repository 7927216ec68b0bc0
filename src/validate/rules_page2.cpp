// Page 2: the opening screen.

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

constexpr char16_t kTooLong[] = u"你好长啊……\n所以你这能压缩些嘛";

// --- slot 8: the song name, copied to the chart screen and the first split line ---

void copySongName(RuleContext& c) {
  setSlotText(c.form, slot::chartSongName, c.text());
  setSlotText(c.form, slot::splitNameLine1, c.text());
}

constexpr RuleRow kSongName[] = {
    derive(copySongName),
    error(0, isEmpty, u"错误：曲名不能为空！",
          u"曲名不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<90>, u"错误：曲名过长！", kTooLong),
};

// --- slots 9 and 10: level and difficulty, which make up the chart screen's level line ---

void composeLevelLine(RuleContext& c) {
  setSlotText(c.form, slot::chartLevel,
              c.textOf(slot::difficulty) + u"  Lv." + c.textOf(slot::level));
}

bool levelTooWide(RuleContext& c) { return c.wider(c.text(), u"111111", 30); }
bool difficultyTooWide(RuleContext& c) { return c.wider(c.text(), u"1111111111111", 30); }

bool levelNotNumeric(RuleContext& c) {
  return std::ranges::any_of(c.text(), [](char16_t u) {
    return !(u >= u'0' && u <= u'9') && u != u'+' && u != u'-' && u != u'?';
  });
}

bool unusualDifficulty(RuleContext& c) {
  const TextView usual[] = {u"EZ", u"HD", u"IN", u"AT", u"SP"};
  return std::ranges::find(usual, TextView(c.text())) == std::end(usual);
}

constexpr RuleRow kLevel[] = {
    derive(composeLevelLine),
    error(0, isEmpty, u"错误：等级不能为空！",
          u"等级不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<12>, u"错误：等级过长！", kTooLong),
    warning(2, levelTooWide, u"警告：等级较长，可能导致超框！",
            u"等级似乎有些长了，压缩下（）要不然超框了就不是我的事了"),
    warning(3, levelNotNumeric, u"警告：等级一般应为整数或「?」！",
            u"是不是不小心把难度填在这里了啊（）\n咳咳，难度一般是 EZ HD IN AT SP 这些\n"
            u"比如「IN  Lv.15」中\n难度是「IN」 等级是「15」 咕咕"),
};

constexpr RuleRow kDifficulty[] = {
    derive(composeLevelLine),
    error(0, isEmpty, u"错误：难度不能为空！",
          u"难度不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<12>, u"错误：难度过长！", kTooLong),
    warning(2, difficultyTooWide, u"警告：难度较长，可能导致超框！",
            u"难度似乎有些长了，压缩下（）要不然超框了就不是我的事了"),
    warning(3, unusualDifficulty, u"警告：难度一般应为EZ/HD/IN/AT/SP！",
            u"是不是不小心把等级填在这里了啊（）\n咳咳，难度一般是 EZ HD IN AT SP 这些\n"
            u"比如「IN  Lv.15」中\n难度是「IN」 等级是「15」 咕咕"),
};

// --- slots 11 to 13: the names ---

constexpr RuleRow kComposer[] = {
    error(0, isEmpty, u"错误：曲师名不能为空！",
          u"曲师名不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<90>, u"错误：曲师名过长！", kTooLong),
};
constexpr RuleRow kCharter[] = {
    error(0, isEmpty, u"错误：谱师名不能为空！",
          u"谱师名不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<90>, u"错误：谱师名过长！", kTooLong),
};
constexpr RuleRow kIllustrator[] = {
    error(0, isEmpty, u"错误：画师名不能为空！",
          u"画师名不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<90>, u"错误：画师名过长！", kTooLong),
};

// --- slot 14: the tip, expected as "Tip: " and the tip ---

char16_t unitAt(const RuleContext& c, int i) { return i < c.length() ? c.text()[i] : u'\0'; }
bool startsWithLowerTip(RuleContext& c) { return c.text().starts_with(u"tip"); }
bool startsWithTip(const RuleContext& c) {
  return c.text().starts_with(u"Tip") || c.text().starts_with(u"tip");
}
bool notStartingWithTip(RuleContext& c) { return !startsWithTip(c); }
bool fullWidthColonAfterTip(RuleContext& c) { return startsWithTip(c) && unitAt(c, 3) == u'：'; }
bool noSpaceAfterColon(RuleContext& c) {
  return startsWithTip(c) && unitAt(c, 3) == u':' && unitAt(c, 4) != u' ';
}
bool noColonAfterTip(RuleContext& c) {
  return startsWithTip(c) && unitAt(c, 3) != u':' && unitAt(c, 3) != u'：';
}

constexpr RuleRow kTip[] = {
    error(0, isEmpty, u"错误：Tip不能为空！",
          u"Tip不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<90>, u"错误：Tip过长！", kTooLong),
    warning(2, startsWithLowerTip, u"警告：Tip的T应为大写！", u"（敲黑板）\nTip的T是大写哦"),
    warning(6, notStartingWithTip, u"警告：Tip应以「Tip: 」开头！",
            u"Tip一般是以Tip: 开头的哦（一个英文冒号一个空格）"),
    // What follows "Tip": exactly one of these holds.
    warning(3, fullWidthColonAfterTip, u"警告：Tip后应使用半角(英文)冒号！",
            u"Tip要用的应该是半角冒号，啊对就那个英文冒号"),
    warning(5, noSpaceAfterColon, u"警告：冒号后应添加空格！", u"冒号后应该添加一个空格哦咕咕咕咕"),
    warning(4, noColonAfterTip, u"警告：Tip后应添加冒号！", u"Tip后面要接冒号哦"),
};

// --- slot 15: the aspect ratio "w:h" ---

struct Ratio {
  int w = 0, h = 0;
};

// Reads "w:h" the way "%d:%d" scans it: blanks and a sign before each number; a side that
// is not read stays 0.
Ratio scanRatio(TextView text) {
  Ratio ratio;
  auto scanInt = [&](std::size_t& i, int& out) {
    std::size_t j = i;
    while (j < text.size() && (text[j] == u' ' || (text[j] >= u'\t' && text[j] <= u'\r'))) ++j;
    std::size_t digits = j;
    if (digits < text.size() && (text[digits] == u'+' || text[digits] == u'-')) ++digits;
    if (digits >= text.size() || text[digits] < u'0' || text[digits] > u'9') return false;
    out = leadingInt(text.substr(j));
    i = digits;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') ++i;
    return true;
  };
  std::size_t i = 0;
  if (!scanInt(i, ratio.w) || i >= text.size() || text[i] != u':') return ratio;
  ++i;
  scanInt(i, ratio.h);
  return ratio;
}

std::size_t colonAt(const RuleContext& c) { return c.text().find(u':'); }
bool noColon(RuleContext& c) { return colonAt(c) == Text::npos; }
bool severalColons(RuleContext& c) { return std::ranges::count(c.text(), u':') > 1; }
bool colonLast(RuleContext& c) { return colonAt(c) + 1 == c.text().size(); }
bool colonFirst(RuleContext& c) { return colonAt(c) == 0; }
bool widthTooLong(RuleContext& c) { return colonAt(c) > 4; }
bool heightTooLong(RuleContext& c) { return c.text().size() - colonAt(c) - 1 > 4; }
bool zeroSide(RuleContext& c) {
  const Ratio r = scanRatio(c.text());
  return r.w == 0 || r.h == 0;
}

bool illegalRatio(RuleContext& c) {
  const Ratio r = scanRatio(c.text());
  // A negative side is no ratio at all, whatever the division says.
  return r.w < r.h || r.w / r.h > 2 || r.w < 0 || r.h < 0;
}

void setJudgeLineLength(RuleContext& c) {
  const Ratio r = scanRatio(c.text());
  const double ratio = static_cast<double>(r.w) / r.h;
  setSlotText(c.form, slot::judgeLineLength, std::abs(ratio - 1.5) < 0.001 ? u"4000" : u"8000");
}

constexpr RuleRow kAspectRatio[] = {
    error(0, isEmpty, u"错误：比例不能为空！",
          u"比例不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(2, noColon, u"错误：请输入冒号！", u"长宽比之间用冒号连接——"),
    error(3, severalColons, u"错误：存在一个以上的冒号！",
          u"长宽比之间用冒号连接，冒号只能有一个哦"),
    error(4, colonLast, u"错误：请在冒号后输入数字！", u"冒号的后面要输入数字的！（敲头）"),
    error(5, colonFirst, u"错误：请在冒号前输入数字！", u"冒号的前面要输入数字的！（敲头）"),
    error(5, widthTooLong, u"错误：冒号前内容过长！", u"冒号前面的东西太长了，不能约下分嘛"),
    error(5, heightTooLong, u"错误：冒号后内容过长！", u"冒号后面的东西太长了，不能约下分嘛"),
    error(5, zeroSide, u"错误：不能为0！", u"怎么会是0呢"),
    error(5, illegalRatio, u"错误：非法比例！", u"比例似乎太窄了\n长÷宽 > 2或者宽 < 长哦"),
    derive(setJudgeLineLength),
};

// --- slot 16: the frame rate ---

constexpr RuleRow kFrameRate[] = {
    error(0, isEmpty, u"错误：帧率不能为空！",
          u"帧率不能是空的是必填的咕咕咕\n你总不会是鱼的记忆与井底之蛙的想象力吧（笑）"),
    error(1, longerThan<5>, u"错误：帧率过长！", kTooLong),
    error(2, integerAbove<1000>, u"错误：不能高于1000！", u"不能高于1000哦"),
    warning(3, integerAbove<60>, u"警告：不提供高于60帧的录制服务！",
            u"咱不提供高于60帧的录制服务望知！"),
    warning(4, integerBelow<60>, u"警告：不建议调整帧率！", u"Dolen这里不太建议调整帧率……"),
};

// --- slots 46 and 47: the marks beside the difficulty, which may stay empty ---

bool widerThanThreeLetters(RuleContext& c) { return c.wider(c.text(), u"aaa", 30); }

constexpr RuleRow kSuperscript[] = {
    error(0, widerThanThreeLetters, u"错误：上标过长！", kTooLong),
};
constexpr RuleRow kSubscript[] = {
    error(0, widerThanThreeLetters, u"错误：下标过长！", kTooLong),
};

constexpr SlotRules kPage2[] = {
    {slot::songName, kSongName},
    {slot::level, kLevel},
    {slot::difficulty, kDifficulty},
    {slot::composer, kComposer},
    {slot::charter, kCharter},
    {slot::illustrator, kIllustrator},
    {slot::tip, kTip},
    {slot::aspectRatio, kAspectRatio},
    {slot::frameRate, kFrameRate},
    {slot::superscript, kSuperscript},
    {slot::subscript, kSubscript},
};

}  // namespace

std::span<const SlotRules> page2Rules() { return kPage2; }

}  // namespace zarq
