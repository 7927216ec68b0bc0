#include <gtest/gtest.h>

#include "validation_fixture.h"

namespace zarq {
namespace {

class OtherSettingsRulesTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    onPage(5);
  }
};

TEST_F(OtherSettingsRulesTest, JudgeLineAndScales) {
  expectMessages(slot::judgeLineThickness, {
                                               {u"1.255", u""},
                                               {u"1.25", u""},
                                               {u"1.7", u"不建议修改判定线厚度！"},
                                               {u"0", u"错误：判定线厚度不能为0！"},
                                               {u"100", u"错误：判定线厚度应小于100！"},
                                               {u"123456", u"错误：判定线厚度文本过长！"},
                                               {u"", u"错误：判定线厚度不能为空！"},
                                           });
  expectMessages(slot::judgeLineLength, {
                                            {u"19999", u""},
                                            {u"4000", u""},
                                            {u"20000", u"错误：判定线长度应小于两万！"},
                                            {u"0.0", u"错误：判定线长度不能为0！"},
                                            {u"123456", u"错误：判定线长度文本过长！"},
                                            {u"", u"错误：判定线长度不能为空！"},
                                        });
  expectMessages(slot::scaleX, {
                                   {u"99.9", u""},
                                   {u"1.0", u""},
                                   {u"100", u"错误：X轴缩放应小于一百！"},
                                   {u"0", u"错误：X轴缩放不能为0！"},
                                   {u"123456", u"错误：X轴缩放文本过长！"},
                                   {u"", u"错误：X轴缩放不能为空！"},
                               });
  expectMessages(slot::scaleY, {
                                   {u"2", u""},
                                   {u"100", u"错误：Y轴缩放应小于一百！"},
                                   {u"0", u"错误：Y轴缩放不能为0！"},
                                   {u"123456", u"错误：Y轴缩放文本过长！"},
                                   {u"", u"错误：Y轴缩放不能为空！"},
                               });
}

TEST_F(OtherSettingsRulesTest, HoldBpm) {
  expectMessages(slot::holdBpm, {
                                    {u"90", u""},
                                    {u"270", u""},
                                    {u"89.9", u"警告：长条BPM应在90 - 270之间！"},
                                    {u"270.1", u"警告：长条BPM应在90 - 270之间！"},
                                    {u"400", u"错误：长条BPM应小于四百！"},
                                    {u"0", u"警告：长条BPM应在90 - 270之间！"},
                                    {u"123456789", u"错误：长条BPM文本过长！"},
                                    {u"", u"错误：长条BPM不能为空！"},
                                });
}

TEST_F(OtherSettingsRulesTest, TheDefaultHoldBpmWarnsUntilClosed) {
  EXPECT_MESSAGE(messageOf(slot::holdBpm), u"警告：长条BPM应在90 - 270之间！");
  closeMessageOf(slot::holdBpm);
  EXPECT_MESSAGE(messageOf(slot::holdBpm), u"");
  onPage(5);
  EXPECT_MESSAGE(messageOf(slot::holdBpm), u"警告：长条BPM应在90 - 270之间！");
}

TEST_F(OtherSettingsRulesTest, ColourComponents) {
  for (int slot = slot::judgeLineColorR; slot <= slot::hitEffectColorB; ++slot) {
    expectMessages(slot, {
                             {u"0", u""},
                             {u"255", u""},
                             {u"256", u"错误：不能大于255！"},
                             {u"1000", u"错误：内容过长！"},
                             {u"", u"错误：不能为空！"},
                         });
  }
}

TEST_F(OtherSettingsRulesTest, OutputPathRunsOnlyWhenAskedFor) {
  EXPECT_EQ(field(slot::outputPath).bubble, kNoBubble);
  expectMessages(slot::outputPath, {{u"", u"错误：输出路径不能为空！"},
                                    {Text(91, u'x').c_str(), u"错误：输出路径过长！"},
                                    {u"D:\\videos", u""}});
}

TEST_F(OtherSettingsRulesTest, NoStoryboardAxisIsAnErrorBelowThePair) {
  OptionPair& axes = form->optionPairs[pair::storyboardScaleRef];
  axes.setSelected(false, false);
  onPage(5);
  ASSERT_NE(form->storyboardBubble, kNoBubble);
  const StatusBubble& b = form->bubbles[form->storyboardBubble];
  EXPECT_MESSAGE(b.status, u"错误：至少选择一项！");
  EXPECT_TRUE(b.isError);
  EXPECT_EQ(b.ownerKind, OwnerKind::OptionPair);
  EXPECT_EQ(b.ownerId, pair::storyboardScaleRef);
  EXPECT_FLOAT_EQ(b.x, axes.x);
  EXPECT_FLOAT_EQ(b.y, axes.y + axes.height);
  axes.setSelected(axes.selected1(), true);
  checkStoryboardScaleRef(*form);
  EXPECT_EQ(form->storyboardBubble, kNoBubble);
}

}  // namespace
}  // namespace zarq
