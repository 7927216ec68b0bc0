// Page 4: the result screen.

#include <algorithm>

#include "common/numbers.h"
#include "files/file_access.h"
#include "form/media_file.h"
#include "validate/file_status_line.h"
#include "validate/rule_table.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr char16_t kSecondLineEmpty[] = u"你都用这个功能了第二行还不写，?";
constexpr char16_t kLeadingSpace[] = u"加了你前面就空出了一块，不好看。";

// --- slot 22: the avatar image, named with its extension ---

std::size_t lastDot(const RuleContext& c) { return c.text().rfind(u'.'); }

std::filesystem::path avatarFile(const RuleContext& c) { return namedFile(c.form, c.text()); }

bool avatarUnloadable(RuleContext& c) {
  const std::optional<ImageSize> size = c.form.platform.images.probe(avatarFile(c));
  return !size || size->width == 0 || size->height == 0;
}

bool noExtension(RuleContext& c) {
  return lastDot(c) == Text::npos || lastDot(c) + 1 == c.text().size();
}
bool nothingBeforeExtension(RuleContext& c) { return lastDot(c) == 0; }
bool avatarUnreadable(RuleContext& c) {
  return !fileReadable(c.form.platform.files, avatarFile(c));
}

Text avatarNotFound(RuleContext& c, TextView format) {
  const TextView name = c.text();
  return missingFileLine(c.form.metrics, format, name.substr(0, lastDot(c)),
                         name.substr(lastDot(c)), c.field.width);
}

constexpr RuleRow kAvatar[] = {
    error(0, isEmpty, u"错误：请拖入头像或输入头像名！", u"没头没脸的我怎么给你渲结算，绷"),
    error(1, longerThan<50>, u"错误：头像名过长！", kOverfilled),
    error(2, noExtension, u"错误：请输入头像图片后缀名！",
          u"你想让我拿.mp4当头像呢，还是.prproj当头像呢"),
    error(3, nothingBeforeExtension, u"错误：头像名不能为空！",
          u"光有后缀可不行！你是想叫1.jpg呢，还是想叫qwertyuiop114514.jpg呢（）"),
    error(4, avatarUnreadable, u"错误：未找到 %s%s！",
          u"喔唷，崩溃啦！\n显示 头像 时出了点问题。\n可能是头像不存在\n了解详情")
        .namingFile(avatarNotFound),
    error(5, avatarUnloadable, u"错误：无法加载头像图片！",
          u"你文件损坏了\n你图片不支持\n你压根传的不是图片。"),
};

// --- slots 23 to 25: player name, rating and challenge ---

bool rksTooWide(RuleContext& c) { return c.wider(c.text(), u"111111111", 30); }

constexpr RuleRow kPlayerName[] = {
    error(0, isEmpty, u"错误：玩家名不能为空！", kWriteSomething),
    error(1, longerThan<90>, u"错误：玩家名过长！", kOverfilled),
};

constexpr RuleRow kRks[] = {
    error(0, isEmpty, u"错误：RKS不能为空！", kWriteSomething),
    error(1, longerThan<12>, u"错误：RKS过长！", kOverfilled),
    warning(2, rksTooWide, u"警告：RKS较长，可能导致超框！",
            u"rks框怎么着也顶天放的下00.00长度的字符\n再长就贴膜超框了"),
};

// A challenge is a colour character and the challenge level ("绿2"); "无" alone is none.
bool unknownChallengeColour(RuleContext& c) {
  constexpr TextView colours = u"彩金黄红橙蓝绿无";
  return colours.find(c.text()[0]) == TextView::npos;
}

bool colourWithoutLevel(RuleContext& c) { return c.length() == 1 && c.text()[0] != u'无'; }
bool challengeLevelTooWide(RuleContext& c) {
  return c.wider(TextView(c.text()).substr(1), u"1111", 30);
}

constexpr RuleRow kChallenge[] = {
    error(0, isEmpty, u"错误：课题内容不能为空！", kWriteSomething),
    error(1, longerThan<12>, u"错误：课题内容过长！", kOverfilled),
    error(2, unknownChallengeColour, u"错误：课题颜色应为 彩/金/红/蓝/绿/无！",
          u"就那么几个颜色你还能怎么填，不要想凭空捏造，，，，，，，"),
    error(3, colourWithoutLevel, u"错误：应在课题颜色后输入课题文本！",
          u"你他妈就放个框干什么，没意思。"),
    warning(4, challengeLevelTooWide, u"警告：课题文本较长，可能导致超框！",
            u"课题框顶天放下00的长度，主播注意。"),
};

// --- slots 26 and 27: original and added score, which add up to the full score ---

int score(const RuleContext& c, int slot) { return leadingInt(c.textOf(slot)); }

bool othersShort(const RuleContext& c, int other) {
  return c.textOf(other).size() < 9 && c.textOf(slot::resultFullScore).size() < 9;
}

bool originalNotBelowFull(RuleContext& c) {
  return score(c, slot::originalScore) >= score(c, slot::resultFullScore);
}
bool addedAboveFull(RuleContext& c) {
  return score(c, slot::addedScore) > score(c, slot::resultFullScore);
}

void completeAddedScore(RuleContext& c) {
  if (!othersShort(c, slot::addedScore)) return;
  const int rest = score(c, slot::resultFullScore) - score(c, slot::originalScore);
  setSlotText(c.form, slot::addedScore, zeroPaddedText(rest, 7));
}

void completeOriginalScore(RuleContext& c) {
  if (!othersShort(c, slot::originalScore)) return;
  const int rest = score(c, slot::resultFullScore) - score(c, slot::addedScore);
  setSlotText(c.form, slot::originalScore, zeroPaddedText(rest, 7));
}

constexpr RuleRow kOriginalScore[] = {
    error(0, isEmpty, u"错误：原分数不能为空！", u"选上这个功能了你还不填？玩呢"),
    error(1, longerThan<8>, u"错误：原分数过长！", u"太长了，速速噶掉"),
    error(2, originalNotBelowFull, u"错误：原分数应比满分分数低！", u"你在想什么\n？"),
    derive(completeAddedScore),
};

constexpr RuleRow kAddedScore[] = {
    error(0, isEmpty, u"错误：增加分数不能为空！", u"都用这个功能了你还不填？呃呃"),
    error(1, longerThan<8>, u"错误：增加分数过长！", u"太长了，砍了"),
    error(2, addedAboveFull, u"错误：增加分数不能大于满分分数！", u"你在想什么\n?"),
    derive(completeOriginalScore),
};

// --- slots 29 and 30: the song name split over two lines ---

bool splitMatches(RuleContext& c) {
  return c.textOf(slot::splitNameLine1) + c.textOf(slot::splitNameLine2) ==
         c.textOf(slot::songName);
}

bool splitMatchesWithSpace(RuleContext& c) {
  return c.textOf(slot::splitNameLine1) + u" " + c.textOf(slot::splitNameLine2) ==
         c.textOf(slot::songName);
}

bool splitMatchesNeither(RuleContext&) { return true; }

constexpr RuleRow kSplitNameLine1[] = {
    passWhen(splitMatches),
    error(
        1, splitMatchesWithSpace, u"错误：应在第一行后添加空格！",
        u"主播别忘了英文单词之间是有空格的，不加的话缩放就不一样了，你看Orvenn多好给你加个提示\n\n"
        u"不懂？加就是了"),
    error(0, splitMatchesNeither, u"错误：分行曲名与原曲名不符！",
          u"主播再仔细看看，是眼瘸手瘸还是脑瘸。"),
};

bool startsWithSpace(RuleContext& c) { return c.text().starts_with(u' '); }

constexpr RuleRow kSplitNameLine2[] = {
    error(0, isEmpty, u"错误：开启曲名分行后第二行不能为空！", kSecondLineEmpty),
    warning(1, startsWithSpace, u"警告：不建议在第二行前添加空格！", kLeadingSpace),
};

// --- slots 43 to 45: the obtained box ---

bool obtainedTextTooWide(RuleContext& c) { return c.wider(c.text(), u"已抢购得", 30); }

constexpr RuleRow kObtainedText[] = {
    error(0, isEmpty, u"错误：已获得文本不能为空！", kWriteSomething),
    error(1, longerThan<20>, u"错误：已获得文本过长！", kOverfilled),
    warning(2, obtainedTextTooWide, u"警告：已获得文本较长，可能导致超框或观感变差！",
            u"已获得文本怎么着也就三个字，顶多四个字\n再长就贴膜超框了"),
};

// Both lines of the obtained content, as one text of at most a field's capacity.
Text obtainedJoined(const RuleContext& c) {
  return capped(c.textOf(slot::obtainedContent) + c.textOf(slot::obtainedContentLine2),
                kFieldTextCapacity);
}

bool obtainedTypeIs(const RuleContext& c, TextView type) { return c.form.obtainedType() == type; }

// On one line the content may be too long for the box; the second line has no say then.
void checkSingleLine(RuleContext& c) {
  if (c.ticked(box::obtainedSplit)) return;
  checkLongObtainedContent(c.form);
  releaseFieldMessage(c.form, slot::obtainedContentLine2);
}

bool dataWithoutUnit(RuleContext& c) {
  return obtainedTypeIs(c, u"Data") && !obtainedJoined(c).ends_with(u'B');
}

// "1.25 MB" and "512 B" carry a space before the unit.
bool dataWithoutSpace(RuleContext& c) {
  if (!obtainedTypeIs(c, u"Data")) return false;
  const Text j = obtainedJoined(c);
  const std::size_t n = j.size();
  return !((n > 1 && j[n - 2] == u' ') || (n > 2 && j[n - 3] == u' '));
}

bool illustrationWithoutEnding(RuleContext& c) {
  return obtainedTypeIs(c, u"曲绘") && !obtainedJoined(c).ends_with(u"(New illustration)");
}

bool avatarWithoutEnding(RuleContext& c) {
  return obtainedTypeIs(c, u"头像") && !obtainedJoined(c).ends_with(u"(New avatar)");
}

bool avatarWithoutBrackets(RuleContext& c) {
  if (!obtainedTypeIs(c, u"头像")) return false;
  const Text j = obtainedJoined(c);
  return !(j.starts_with(u'[') && j.ends_with(u"](New avatar)"));
}

constexpr RuleRow kObtainedContent[] = {
    error(0, isEmpty, u"错误：已获得内容不能为空！", kWriteSomething),
    error(6, longerThan<90>, u"错误：已获得内容过长！", kOverfilled),
    step(checkSingleLine),
    warning(1, dataWithoutUnit, u"警告：Data获得一般应以GB/MB/KB/B结尾！",
            u"不加的话谁知道是什么单位呢"),
    warning(2, dataWithoutSpace, u"警告：单位前应添加空格！", u"主播不加就要加重我的强迫症了！"),
    warning(3, illustrationWithoutEnding, u"警告：曲绘获得应该以「(New illustration)」结尾！",
            u"官方如此。"),
    warning(4, avatarWithoutEnding, u"警告：曲绘获得应该以「(New avatar)」结尾！", u"官方如此。"),
    warning(5, avatarWithoutBrackets, u"警告：头像名应该使用[]框住！", u"官方如此。"),
};

constexpr RuleRow kObtainedContentLine2[] = {
    error(0, isEmpty, u"错误：开启已获得框分行后第二行不能为空！", kSecondLineEmpty),
    error(2, longerThan<90>, u"错误：已获得内容第二行过长！", kOverfilled),
    warning(1, startsWithSpace, u"警告：不建议在第二行前添加空格！", kLeadingSpace),
};

constexpr SlotRules kPage4[] = {
    {slot::avatar, kAvatar},
    {slot::playerName, kPlayerName},
    {slot::rks, kRks},
    {slot::challenge, kChallenge},
    {slot::originalScore, kOriginalScore},
    {slot::addedScore, kAddedScore},
    {slot::splitNameLine1, kSplitNameLine1, slot::splitNameLine2},
    {slot::splitNameLine2, kSplitNameLine2},
    {slot::obtainedText, kObtainedText},
    {slot::obtainedContent, kObtainedContent, slot::obtainedContentLine2},
    {slot::obtainedContentLine2, kObtainedContentLine2},
};

}  // namespace

std::span<const SlotRules> page4Rules() { return kPage4; }

}  // namespace zarq
