#include <gtest/gtest.h>

#include "validation_fixture.h"

namespace zarq {
namespace {

class ChartScreenRulesTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    onPage(3);
  }
};

TEST_F(ChartScreenRulesTest, SongNameIsCopiedBackToTheOpeningAndTheSplitLine) {
  expectMessages(slot::chartSongName, {{u"", u"错误：曲名不能为空！"},
                                       {Text(91, u'x').c_str(), u"错误：曲名过长！"},
                                       {u"Chart Name", u""}});
  EXPECT_EQ(field(slot::songName).text, u"Chart Name");
  EXPECT_EQ(field(slot::splitNameLine1).text, u"Chart Name");
}

TEST_F(ChartScreenRulesTest, LevelLine) {
  expectMessages(slot::chartLevel, {
                                       {u"IN  Lv.15", u""},
                                       {u"  Lv.", u""},
                                       {u"IN Lv.15", u"警告：应在「Lv.」前添加两个空格！"},
                                       {u"Lv.15", u"警告：应在「Lv.」前添加两个空格！"},
                                       {u"IN  lv.15", u"警告：Lv.的L应为大写！"},
                                       {u"IN  LV.15", u"警告：Lv.的v应为小写！"},
                                       {u"IN  lV.15", u"警告：Lv.的L应为大写！"},
                                       {u"IN 15", u"警告：应在难度中添加「Lv.」！"},
                                       {u"Lv", u"警告：应在难度中添加「Lv.」！"},
                                       {u"", u"错误：难度不能为空！"},
                                       {Text(91, u'x').c_str(), u"错误：难度过长！"},
                                   });
}

TEST_F(ChartScreenRulesTest, ClosingLevelLineWarnings) {
  const struct {
    const char16_t* text;
    std::vector<Text> sequence;
  } cases[] = {
      {u"IN  lv.15", {u"警告：Lv.的L应为大写！", u""}},
      {u"IN lV.15",
       {u"警告：Lv.的L应为大写！", u"警告：Lv.的v应为小写！", u"警告：应在「Lv.」前添加两个空格！",
        u""}},
      // Without "Lv." there is nothing left to check once its warning is closed.
      {u"IN 15", {u"警告：应在难度中添加「Lv.」！", u""}},
  };
  for (const auto& c : cases) {
    edit(slot::chartLevel, c.text);
    for (std::size_t i = 0; i < c.sequence.size(); ++i) {
      EXPECT_MESSAGE(messageOf(slot::chartLevel), c.sequence[i]) << toUtf8(c.text) << " step " << i;
      if (i + 1 < c.sequence.size()) closeMessageOf(slot::chartLevel);
    }
  }
}

TEST_F(ChartScreenRulesTest, FullScore) {
  expectMessages(slot::chartFullScore, {
                                           {u"1000000", u""},
                                           {u"9999999", u""},
                                           {u"999999", u"警告：满分分数应为7位数！"},
                                           {u"10000000", u"警告：满分分数应为7位数！"},
                                           {u"0", u"错误：满分分数不能为0！"},
                                           {u"abc", u"错误：满分分数不能为0！"},
                                           {u"123456789", u"错误：满分分数过长！"},
                                           {u"", u"错误：满分分数不能为空！"},
                                       });
}

TEST_F(ChartScreenRulesTest, AFullScoreSetsItsTwinAndResetsTheScoreIncrease) {
  field(slot::originalScore).setText(u"0900000");
  field(slot::addedScore).setText(u"0100000");
  edit(slot::chartFullScore, u"2000000");
  EXPECT_EQ(field(slot::resultFullScore).text, u"2000000");
  EXPECT_EQ(field(slot::originalScore).text, u"0000000");
  EXPECT_EQ(field(slot::addedScore).text, u"2000000");

  // A zero score still reaches the twin but leaves the score increase alone.
  edit(slot::chartFullScore, u"0");
  EXPECT_EQ(field(slot::resultFullScore).text, u"0");
  EXPECT_EQ(field(slot::addedScore).text, u"2000000");
}

TEST_F(ChartScreenRulesTest, NoteSize) {
  expectMessages(slot::noteSize, {
                                     {u"150", u""},
                                     {u"250", u""},
                                     {u"175", u""},
                                     {u"114", u"警告：音符大小太臭！"},
                                     {u"114.5", u"警告：音符大小太臭！"},
                                     {u"120", u"警告：音符大小太小！"},
                                     {u"260", u"警告：音符大小太大！"},
                                     {u"100", u"错误：音符大小应大于100！"},
                                     {u"300", u"错误：音符大小应小于300！"},
                                     {u"123456", u"错误：音符大小过长！"},
                                     {u"", u"错误：音符大小不能为空！"},
                                 });
}

TEST_F(ChartScreenRulesTest, ClosingTheNoteSizeJokeShowsThatItIsSmall) {
  edit(slot::noteSize, u"114");
  closeMessageOf(slot::noteSize);
  EXPECT_MESSAGE(messageOf(slot::noteSize), u"警告：音符大小太小！");
}

TEST_F(ChartScreenRulesTest, ChartDuration) {
  expectMessages(slot::chartDuration, {
                                          {u"秒", u"错误：谱面时长不能为空！"},
                                          {u"59", u"警告：时长太短！"},
                                          {u"60", u""},
                                          {u"300", u""},
                                          {u"301", u"警告：时长太长！"},
                                          {u"", u"警告：时长太短！"},
                                          {u"123456789", u"错误：谱面时长文本过长！"},
                                      });
}

}  // namespace
}  // namespace zarq
