#include <gtest/gtest.h>

#include "validation_fixture.h"

namespace zarq {
namespace {

class OpeningRulesTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    onPage(2);
  }
};

TEST_F(OpeningRulesTest, SongNameAndTheNames) {
  const Text ninetyOne(91, u'名');
  expectMessages(slot::songName,
                 {{u"", u"错误：曲名不能为空！"}, {ninetyOne.c_str(), u"错误：曲名过长！"}});
  expectMessages(slot::composer,
                 {{u"", u"错误：曲师名不能为空！"}, {ninetyOne.c_str(), u"错误：曲师名过长！"}});
  expectMessages(slot::charter,
                 {{u"", u"错误：谱师名不能为空！"}, {ninetyOne.c_str(), u"错误：谱师名过长！"}});
  expectMessages(slot::illustrator,
                 {{u"", u"错误：画师名不能为空！"}, {ninetyOne.c_str(), u"错误：画师名过长！"}});
  const Text ninety(90, u'名');
  for (int slot : {slot::songName, slot::composer, slot::charter, slot::illustrator}) {
    expectMessages(slot, {{ninety.c_str(), u""}});
  }
}

TEST_F(OpeningRulesTest, Level) {
  expectMessages(slot::level, {
                                  {u"15", u""},
                                  {u"?", u""},
                                  {u"+1", u""},
                                  {u"-", u""},
                                  {u"15.5", u"警告：等级一般应为整数或「?」！"},
                                  {u"IN", u"警告：等级一般应为整数或「?」！"},
                                  {u"", u"错误：等级不能为空！"},
                                  {u"1234567890123", u"错误：等级过长！"},
                                  {u"1a2b3c4d", u"警告：等级较长，可能导致超框！"},
                              });
}

TEST_F(OpeningRulesTest, ClosingTheLongLevelWarningShowsTheNextRule) {
  edit(slot::level, u"1a2b3c4d");
  closeMessageOf(slot::level);
  EXPECT_MESSAGE(messageOf(slot::level), u"警告：等级一般应为整数或「?」！");
  closeMessageOf(slot::level);
  EXPECT_MESSAGE(messageOf(slot::level), u"");
}

TEST_F(OpeningRulesTest, Difficulty) {
  expectMessages(slot::difficulty, {
                                       {u"EZ", u""},
                                       {u"HD", u""},
                                       {u"IN", u""},
                                       {u"AT", u""},
                                       {u"SP", u""},
                                       {u"in", u"警告：难度一般应为EZ/HD/IN/AT/SP！"},
                                       {u"IN ", u"警告：难度一般应为EZ/HD/IN/AT/SP！"},
                                       {u"Legacy", u"警告：难度一般应为EZ/HD/IN/AT/SP！"},
                                       {u"", u"错误：难度不能为空！"},
                                       {u"ABCDEFGHIJKLM", u"错误：难度过长！"},
                                       {u"WWWWWWWWWWWW", u"警告：难度较长，可能导致超框！"},
                                   });
}

TEST_F(OpeningRulesTest, LevelAndDifficultyMakeTheChartScreenLevelLine) {
  edit(slot::difficulty, u"AT");
  EXPECT_EQ(field(slot::chartLevel).text, u"AT  Lv.15");
  edit(slot::level, u"16");
  EXPECT_EQ(field(slot::chartLevel).text, u"AT  Lv.16");
  // An empty level still rewrites the line.
  edit(slot::level, u"");
  EXPECT_EQ(field(slot::chartLevel).text, u"AT  Lv.");
}

TEST_F(OpeningRulesTest, SongNameIsCopiedToTheChartScreenAndTheFirstSplitLine) {
  edit(slot::songName, u"Another Song");
  EXPECT_EQ(field(slot::chartSongName).text, u"Another Song");
  EXPECT_EQ(field(slot::splitNameLine1).text, u"Another Song");
  // Only when derivations are asked for.
  field(slot::songName).setText(u"Quiet");
  validateAndCommit(*form, slot::songName, {.derive = false});
  EXPECT_EQ(field(slot::chartSongName).text, u"Another Song");
}

TEST_F(OpeningRulesTest, Tip) {
  expectMessages(slot::tip, {
                                {u"Tip: hello", u""},
                                {u"Tip: ", u""},
                                {u"tip: hello", u"警告：Tip的T应为大写！"},
                                {u"Tip：hello", u"警告：Tip后应使用半角(英文)冒号！"},
                                {u"Tip:hello", u"警告：冒号后应添加空格！"},
                                {u"Tip:", u"警告：冒号后应添加空格！"},
                                {u"Tip hello", u"警告：Tip后应添加冒号！"},
                                {u"Tip", u"警告：Tip后应添加冒号！"},
                                {u"Hint: hello", u"警告：Tip应以「Tip: 」开头！"},
                                {u"TIP: hello", u"警告：Tip应以「Tip: 」开头！"},
                                {u"", u"错误：Tip不能为空！"},
                            });
}

TEST_F(OpeningRulesTest, ClosingATipWarning) {
  const struct {
    const char16_t* text;
    std::vector<Text> sequence;  // the messages before and after each close
  } cases[] = {
      {u"tip: hello", {u"警告：Tip的T应为大写！", u""}},
      {u"tip:hello", {u"警告：Tip的T应为大写！", u"警告：冒号后应添加空格！", u""}},
      {u"tip hello", {u"警告：Tip的T应为大写！", u"警告：Tip后应添加冒号！", u""}},
      {u"Hint: hello", {u"警告：Tip应以「Tip: 」开头！", u""}},
      {u"Tip：hello", {u"警告：Tip后应使用半角(英文)冒号！", u""}},
  };
  for (const auto& c : cases) {
    edit(slot::tip, c.text);
    for (std::size_t i = 0; i < c.sequence.size(); ++i) {
      EXPECT_MESSAGE(messageOf(slot::tip), c.sequence[i]) << toUtf8(c.text) << " step " << i;
      if (i + 1 < c.sequence.size()) closeMessageOf(slot::tip);
    }
  }
}

TEST_F(OpeningRulesTest, AspectRatio) {
  expectMessages(slot::aspectRatio, {
                                        {u"4:3", u""},
                                        {u"16:9", u""},
                                        {u"21:9", u""},
                                        {u"1:1", u""},
                                        {u"3:4", u"错误：非法比例！"},
                                        {u"9:3", u"错误：非法比例！"},
                                        {u"3:1", u"错误：非法比例！"},
                                        {u"0:3", u"错误：不能为0！"},
                                        {u"4:0", u"错误：不能为0！"},
                                        {u"a:3", u"错误：不能为0！"},
                                        {u"4:b", u"错误：不能为0！"},
                                        {u"4:", u"错误：请在冒号后输入数字！"},
                                        {u":3", u"错误：请在冒号前输入数字！"},
                                        {u"12345:3", u"错误：冒号前内容过长！"},
                                        {u"4:12345", u"错误：冒号后内容过长！"},
                                        {u"4:3:2", u"错误：存在一个以上的冒号！"},
                                        {u"4：3", u"错误：请输入冒号！"},
                                        {u"", u"错误：比例不能为空！"},
                                        // A negative side is no ratio.
                                        {u"4:-3", u"错误：非法比例！"},
                                        {u"-3:-4", u"错误：非法比例！"},
                                    });
}

TEST_F(OpeningRulesTest, AValidRatioSetsTheJudgeLineLength) {
  const struct {
    const char16_t* ratio;
    const char16_t* length;
  } cases[] = {{u"3:2", u"4000"}, {u"16:9", u"8000"}, {u"6:4", u"4000"}, {u"4:3", u"8000"}};
  for (const auto& c : cases) {
    edit(slot::aspectRatio, c.ratio);
    EXPECT_EQ(field(slot::judgeLineLength).text, c.length) << toUtf8(c.ratio);
  }
  // An invalid ratio leaves the length alone.
  edit(slot::aspectRatio, u"3:2");
  edit(slot::aspectRatio, u"9:3");
  EXPECT_EQ(field(slot::judgeLineLength).text, u"4000");
}

TEST_F(OpeningRulesTest, FrameRate) {
  expectMessages(slot::frameRate, {
                                      {u"60", u""},
                                      {u"61", u"警告：不提供高于60帧的录制服务！"},
                                      {u"1000", u"警告：不提供高于60帧的录制服务！"},
                                      {u"1001", u"错误：不能高于1000！"},
                                      {u"30", u"警告：不建议调整帧率！"},
                                      {u"123456", u"错误：帧率过长！"},
                                      {u"", u"错误：帧率不能为空！"},
                                  });
}

TEST_F(OpeningRulesTest, SuperscriptAndSubscriptMayStayEmpty) {
  expectMessages(slot::superscript, {{u"+", u""}, {u"", u""}, {u"WWWW", u"错误：上标过长！"}});
  expectMessages(slot::subscript, {{u"2", u""}, {u"", u""}, {u"WWWW", u"错误：下标过长！"}});
}

}  // namespace
}  // namespace zarq
