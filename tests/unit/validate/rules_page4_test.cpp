#include <gtest/gtest.h>

#include "validation_fixture.h"

namespace zarq {
namespace {

class ResultScreenRulesTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    form->checkBoxes[box::scoreIncrease].setChecked(true);
    form->checkBoxes[box::songNameSplit].setChecked(true);
    onPage(4);
  }
  void obtainedType(TextView type) {
    form->labels[label::obtainedType].caption = Text(type);
    // The content is revalidated whenever it is edited; start from a changed text.
    field(slot::obtainedContent).committedText = u"\t";
  }
};

TEST_F(ResultScreenRulesTest, Avatar) {
  writePng("头像.png", 64, 36);
  writePng("face.PNG", 1, 1);
  dir.write("broken.png", "not an image");
  expectMessages(slot::avatar, {
                                   {u"face.PNG", u""},
                                   {u"头像.png", u""},
                                   {u"头像", u"错误：请输入头像图片后缀名！"},
                                   {u"头像.", u"错误：请输入头像图片后缀名！"},
                                   {u".png", u"错误：头像名不能为空！"},
                                   {u"missing.png", u"错误：未找到 missing.png！"},
                                   {u"a.b.jpg", u"错误：未找到 a.b.jpg！"},
                                   {u"broken.png", u"错误：无法加载头像图片！"},
                                   {u"", u"错误：请拖入头像或输入头像名！"},
                                   {(Text(47, u'a') + u".png").c_str(), u"错误：头像名过长！"},
                               });
}

TEST_F(ResultScreenRulesTest, AMissingAvatarWithALongNameKeepsItsExtension) {
  edit(slot::avatar, Text(40, u'头') + u".jpeg");
  const Text status = messageOf(slot::avatar);
  EXPECT_TRUE(status.starts_with(u"错误：未找到 头")) << toUtf8(status);
  EXPECT_TRUE(status.ends_with(u"头….jpeg！")) << toUtf8(status);
  EXPECT_LE(form->metrics.measureTextTight(status, 20) + 4, field(slot::avatar).width);
}

TEST_F(ResultScreenRulesTest, PlayerRksAndChallenge) {
  expectMessages(slot::playerName, {{u"", u"错误：玩家名不能为空！"},
                                    {Text(91, u'x').c_str(), u"错误：玩家名过长！"},
                                    {u"Me", u""}});
  expectMessages(slot::rks, {
                                {u"14.99", u""},
                                {u"", u"错误：RKS不能为空！"},
                                {u"1234567890123", u"错误：RKS过长！"},
                                {u"WWWWWWWWWW", u"警告：RKS较长，可能导致超框！"},
                            });
  expectMessages(slot::challenge, {
                                      {u"绿2", u""},
                                      {u"彩1", u""},
                                      {u"黄3", u""},
                                      {u"橙4", u""},
                                      {u"无", u""},
                                      {u"绿", u"错误：应在课题颜色后输入课题文本！"},
                                      {u"紫2", u"错误：课题颜色应为 彩/金/红/蓝/绿/无！"},
                                      {u"2", u"错误：课题颜色应为 彩/金/红/蓝/绿/无！"},
                                      {u"金WWWWW", u"警告：课题文本较长，可能导致超框！"},
                                      {u"", u"错误：课题内容不能为空！"},
                                      {u"金1234567890123", u"错误：课题内容过长！"},
                                  });
}

TEST_F(ResultScreenRulesTest, ScoreIncreaseKeepsOriginalPlusAddedEqualToTheFullScore) {
  edit(slot::resultFullScore, u"1000000");
  edit(slot::originalScore, u"920000");
  EXPECT_EQ(field(slot::addedScore).text, u"0080000");
  edit(slot::addedScore, u"100000");
  EXPECT_EQ(field(slot::originalScore).text, u"0900000");
  edit(slot::addedScore, u"1000000");
  EXPECT_MESSAGE(messageOf(slot::addedScore), u"");
  EXPECT_EQ(field(slot::originalScore).text, u"0000000");
}

TEST_F(ResultScreenRulesTest, ScoreIncreaseRules) {
  edit(slot::resultFullScore, u"1000000");
  expectMessages(slot::originalScore, {
                                          {u"1000000", u"错误：原分数应比满分分数低！"},
                                          {u"", u"错误：原分数不能为空！"},
                                          {u"123456789", u"错误：原分数过长！"},
                                          {u"999999", u""},
                                      });
  expectMessages(slot::addedScore, {
                                       {u"1000001", u"错误：增加分数不能大于满分分数！"},
                                       {u"", u"错误：增加分数不能为空！"},
                                       {u"123456789", u"错误：增加分数过长！"},
                                       {u"1000000", u""},
                                   });
}

TEST_F(ResultScreenRulesTest, ScoreIncreaseDerivesOnlyWhenTheOtherTextsAreShort) {
  edit(slot::resultFullScore, u"1000000");
  field(slot::addedScore).setText(u"123456789");
  edit(slot::originalScore, u"100");
  EXPECT_EQ(field(slot::addedScore).text, u"123456789");
  // A failing rule derives nothing either.
  field(slot::addedScore).setText(u"5");
  edit(slot::originalScore, u"2000000");
  EXPECT_EQ(field(slot::addedScore).text, u"5");
}

TEST_F(ResultScreenRulesTest, AFullScoreEditHidesTheScoreIncreaseMessages) {
  edit(slot::resultFullScore, u"1000000");
  edit(slot::originalScore, u"");
  ASSERT_TRUE(hasError(*form, slot::originalScore));
  edit(slot::resultFullScore, u"2000000");
  EXPECT_FALSE(hasError(*form, slot::originalScore));
  EXPECT_EQ(field(slot::originalScore).bubble, kNoBubble);
  EXPECT_EQ(field(slot::chartFullScore).text, u"2000000");
  EXPECT_EQ(field(slot::addedScore).text, u"2000000");
  expectMessages(slot::resultFullScore,
                 {{u"999999", u"警告：满分分数应为7位数！"}, {u"0", u"错误：满分分数不能为0！"}});
}

TEST_F(ResultScreenRulesTest, SplitSongName) {
  edit(slot::songName, u"Zarq Radoziro");
  const struct {
    const char16_t* line1;
    const char16_t* line2;
    const char16_t* status1;
    const char16_t* status2;
  } cases[] = {
      {u"Zarq ", u"Radoziro", u"", u""},
      {u"Zarq", u"Radoziro", u"错误：应在第一行后添加空格！", u""},
      {u"Zarq", u" Radoziro", u"", u"警告：不建议在第二行前添加空格！"},
      {u"Zar", u"q Radoziro", u"", u""},
      {u"Zarq ", u"Radoziro!", u"错误：分行曲名与原曲名不符！", u""},
      {u"Zarq Radoziro", u"", u"", u"错误：开启曲名分行后第二行不能为空！"},
  };
  for (const auto& c : cases) {
    field(slot::splitNameLine1).setText(c.line1);
    commit(*form, slot::splitNameLine1);
    // Editing line 2 revalidates line 1 as well.
    field(slot::splitNameLine2).committedText = u"\t";
    edit(slot::splitNameLine2, c.line2);
    EXPECT_MESSAGE(messageOf(slot::splitNameLine1), c.status1)
        << toUtf8(c.line1) << "|" << toUtf8(c.line2);
    EXPECT_MESSAGE(messageOf(slot::splitNameLine2), c.status2)
        << toUtf8(c.line1) << "|" << toUtf8(c.line2);
  }
}

TEST_F(ResultScreenRulesTest, ObtainedText) {
  expectMessages(slot::obtainedText,
                 {
                     {u"已获得", u""},
                     {u"", u"错误：已获得文本不能为空！"},
                     {Text(21, u'x').c_str(), u"错误：已获得文本过长！"},
                     {u"已经抢购获得", u"警告：已获得文本较长，可能导致超框或观感变差！"},
                 });
}

TEST_F(ResultScreenRulesTest, ObtainedContentByType) {
  const Text tooLong(91, u'x');
  const struct {
    const char16_t* type;
    const char16_t* content;
    const char16_t* status;
  } cases[] = {
      {u"Data", u"1.25 MB", u""},
      {u"Data", u"512 B", u""},
      {u"Data", u"1.25MB", u"警告：单位前应添加空格！"},
      {u"Data", u"1.25 M", u"警告：Data获得一般应以GB/MB/KB/B结尾！"},
      {u"Data", u"B", u"警告：单位前应添加空格！"},
      {u"曲绘", u"Song(New illustration)", u""},
      {u"曲绘", u"Song", u"警告：曲绘获得应该以「(New illustration)」结尾！"},
      {u"头像", u"[Name](New avatar)", u""},
      {u"头像", u"Name(New avatar)", u"警告：头像名应该使用[]框住！"},
      {u"头像", u"Name", u"警告：曲绘获得应该以「(New avatar)」结尾！"},
      {u"文件", u"anything at all", u""},
      {u"无", u"anything at all", u""},
      {u"Data", u"", u"错误：已获得内容不能为空！"},
      {u"文件", tooLong.c_str(), u"错误：已获得内容过长！"},
  };
  for (const auto& c : cases) {
    obtainedType(c.type);
    edit(slot::obtainedContent, c.content);
    EXPECT_MESSAGE(messageOf(slot::obtainedContent), c.status)
        << toUtf8(c.type) << " " << toUtf8(c.content);
  }
}

TEST_F(ResultScreenRulesTest, ObtainedContentWarningsCloseInTurn) {
  obtainedType(u"Data");
  edit(slot::obtainedContent, u"1.25 M");
  closeMessageOf(slot::obtainedContent);
  EXPECT_MESSAGE(messageOf(slot::obtainedContent), u"");
  edit(slot::obtainedContent, u"1.25M");
  closeMessageOf(slot::obtainedContent);
  EXPECT_MESSAGE(messageOf(slot::obtainedContent), u"警告：单位前应添加空格！");
  obtainedType(u"头像");
  edit(slot::obtainedContent, u"Name");
  closeMessageOf(slot::obtainedContent);
  EXPECT_MESSAGE(messageOf(slot::obtainedContent), u"警告：头像名应该使用[]框住！");
}

TEST_F(ResultScreenRulesTest, SplitObtainedContentIsJudgedAsOneText) {
  obtainedType(u"Data");
  form->checkBoxes[box::obtainedSplit].setChecked(true);
  field(slot::obtainedContent).setText(u"1.25");
  commit(*form, slot::obtainedContent);
  edit(slot::obtainedContentLine2, u" MB");
  EXPECT_MESSAGE(messageOf(slot::obtainedContent), u"");
  EXPECT_MESSAGE(messageOf(slot::obtainedContentLine2), u"警告：不建议在第二行前添加空格！");
  expectMessages(slot::obtainedContentLine2,
                 {
                     {u"", u"错误：开启已获得框分行后第二行不能为空！"},
                     {Text(91, u'x').c_str(), u"错误：已获得内容第二行过长！"},
                     {u"MB", u""},
                 });
  EXPECT_MESSAGE(messageOf(slot::obtainedContent), u"警告：单位前应添加空格！");
}

TEST_F(ResultScreenRulesTest, OnOneLineALongContentAsksForTheSplit) {
  obtainedType(u"文件");
  const CheckBox& split = form->checkBoxes[box::obtainedSplit];
  edit(slot::obtainedContent, u"You are the Miserable(New illustration)");
  ASSERT_NE(form->longContentBubble, kNoBubble);
  const StatusBubble& b = form->bubbles[form->longContentBubble];
  EXPECT_MESSAGE(b.status, u"警告：已获得内容文本较长，应使用分行！");
  EXPECT_FALSE(b.isError);
  EXPECT_EQ(b.ownerKind, OwnerKind::CheckBox);
  EXPECT_EQ(b.ownerId, box::obtainedSplit);
  EXPECT_FLOAT_EQ(b.x, split.x - split.size / 2);
  EXPECT_FLOAT_EQ(b.y, split.y - split.size / 2 - 30);
  edit(slot::obtainedContent, u"Short");
  EXPECT_EQ(form->longContentBubble, kNoBubble);
}

TEST_F(ResultScreenRulesTest, OnOneLineTheSecondLineLosesItsMessage) {
  obtainedType(u"文件");
  form->checkBoxes[box::obtainedSplit].setChecked(true);
  edit(slot::obtainedContentLine2, u"");
  ASSERT_TRUE(hasError(*form, slot::obtainedContentLine2));
  form->checkBoxes[box::obtainedSplit].setChecked(false);
  edit(slot::obtainedContent, u"file.zip");
  EXPECT_FALSE(hasError(*form, slot::obtainedContentLine2));
  EXPECT_EQ(field(slot::obtainedContentLine2).bubble, kNoBubble);
}

TEST_F(ResultScreenRulesTest, ALongSongNameWithoutTheSplitIsAWarningBesideTheBox) {
  form->checkBoxes[box::songNameSplit].setChecked(false);
  field(slot::songName).setText(u"Sigma (Haocore Mix)  ~ Regrets of The Yellow Thing");
  onPage(4);
  ASSERT_NE(form->longNameBubble, kNoBubble);
  const StatusBubble& b = form->bubbles[form->longNameBubble];
  const CheckBox& split = form->checkBoxes[box::songNameSplit];
  EXPECT_MESSAGE(b.status, u"警告：曲名较长，应使用分行！");
  EXPECT_EQ(b.ownerId, box::songNameSplit);
  EXPECT_EQ(b.anchor, Align::Near);
  EXPECT_FLOAT_EQ(b.x, split.x - split.size / 2);
  EXPECT_FLOAT_EQ(b.y, split.y + split.size / 2);

  // Closing forgets the message without silencing it: it is back on the next check.
  const std::int16_t record = form->longNameBubble;
  closeWarning(*form, record);
  EXPECT_FALSE(form->bubbles[record].visible);
  EXPECT_EQ(form->longNameBubble, kNoBubble);
  checkLongSongName(*form);
  EXPECT_NE(form->longNameBubble, kNoBubble);

  form->checkBoxes[box::songNameSplit].setChecked(true);
  checkLongSongName(*form);
  EXPECT_EQ(form->longNameBubble, kNoBubble);
}

}  // namespace
}  // namespace zarq
