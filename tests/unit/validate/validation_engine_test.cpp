#include <gtest/gtest.h>

#include "support/fixed_measurer.h"
#include "validate/messages.h"
#include "validation_fixture.h"

namespace zarq {
namespace {

class ValidationEngineTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    onPage(2);
  }
  // Takes every free record from 1 to 49 for an unrelated owner.
  void fillPool() {
    while (allocBubble(form->bubbles,
                       {.status = u"x", .speech = u"", .ownerKind = OwnerKind::CheckBox}) !=
           kNoBubble) {
    }
  }
};

TEST_F(ValidationEngineTest, TypingAndDeletingACharacterValidatesTwice) {
  // Each validation of the level rewrites the chart screen's level line.
  edit(slot::level, u"15a");
  EXPECT_EQ(field(slot::chartLevel).text, u"IN  Lv.15a");
  field(slot::chartLevel).setText(u"marker");
  edit(slot::level, u"15");
  EXPECT_EQ(field(slot::chartLevel).text, u"IN  Lv.15");
  // The text is back at its committed value: nothing runs.
  field(slot::chartLevel).setText(u"marker");
  validateAndCommit(*form, slot::level, false, true);
  EXPECT_EQ(field(slot::chartLevel).text, u"marker");
}

TEST_F(ValidationEngineTest, AClosedWarningStaysAwayUntilTheTextChangesOrThePageReturns) {
  edit(slot::difficulty, u"in");
  ASSERT_EQ(messageOf(slot::difficulty), u"警告：难度一般应为EZ/HD/IN/AT/SP！");
  closeMessageOf(slot::difficulty);
  EXPECT_MESSAGE(messageOf(slot::difficulty), u"");
  EXPECT_TRUE(field(slot::difficulty).dismissed[3]);

  validateAndCommit(*form, slot::difficulty, false, true);  // unchanged
  EXPECT_MESSAGE(messageOf(slot::difficulty), u"");
  validateField(*form, slot::difficulty, true, true);  // forced keeps the flags
  EXPECT_MESSAGE(messageOf(slot::difficulty), u"");

  edit(slot::difficulty, u"inn");
  EXPECT_MESSAGE(messageOf(slot::difficulty), u"警告：难度一般应为EZ/HD/IN/AT/SP！");
  closeMessageOf(slot::difficulty);
  onPage(2);
  EXPECT_MESSAGE(messageOf(slot::difficulty), u"警告：难度一般应为EZ/HD/IN/AT/SP！");
}

TEST_F(ValidationEngineTest, ErrorsCannotBeClosed) {
  edit(slot::level, u"");
  const std::int16_t record = field(slot::level).bubble;
  ASSERT_TRUE(hasError(*form, slot::level));
  closeWarning(*form, record);
  EXPECT_TRUE(form->bubbles[record].visible);
  EXPECT_TRUE(hasError(*form, slot::level));
  EXPECT_FALSE(field(slot::level).dismissed[0]);
  // Records that are not shown, or do not exist, are ignored as well.
  closeWarning(*form, -1);
  closeWarning(*form, kBubbleCount);
  EXPECT_TRUE(hasError(*form, slot::level));
}

TEST_F(ValidationEngineTest, AFailingRuleFillsAPoolRecord) {
  edit(slot::tip, u"Tip");
  const StatusBubble* b = bubbleOf(slot::tip);
  ASSERT_NE(b, nullptr);
  EXPECT_GE(field(slot::tip).bubble, 1);
  EXPECT_TRUE(b->visible);
  EXPECT_FALSE(b->isError);
  EXPECT_EQ(b->code, 4);
  EXPECT_EQ(b->ownerKind, OwnerKind::TextField);
  EXPECT_EQ(b->ownerId, slot::tip);
  EXPECT_EQ(b->size, 20);
  EXPECT_EQ(b->colour, 0xFF000000u);
  EXPECT_EQ(b->speech, u"Tip后面要接冒号哦");
  EXPECT_FALSE(hasError(*form, slot::tip));
}

TEST_F(ValidationEngineTest, WithEveryRecordInUseAFailingRuleShowsNothing) {
  fillPool();
  edit(slot::level, u"");
  EXPECT_EQ(field(slot::level).bubble, kNoBubble);
  EXPECT_FALSE(hasError(*form, slot::level));
  form->optionPairs[pair::storyboardScaleRef].selected1 = false;
  form->optionPairs[pair::storyboardScaleRef].selected2 = false;
  checkStoryboardScaleRef(*form);
  EXPECT_EQ(form->storyboardBubble, kNoBubble);
}

TEST_F(ValidationEngineTest, TheAutoFillPromptNeedsNoFreeRecord) {
  dir.write("song.json", "{\"ZarqVersion\":120}");
  onPage(1);
  fillPool();
  edit(slot::chartId, u"song");
  EXPECT_EQ(field(slot::chartId).bubble, 0);
  EXPECT_MESSAGE(messageOf(slot::chartId), u"点击此处自动填写！");
}

TEST_F(ValidationEngineTest, ShowingAPageHidesThePreviousPagesBubbles) {
  edit(slot::level, u"");
  onPage(3);
  EXPECT_EQ(field(slot::level).bubble, kNoBubble);
  for (const StatusBubble& b : form->bubbles) {
    if (b.visible) {
      EXPECT_GE(b.ownerId, slot::chartSongName);
    }
  }
  onPage(2);
  EXPECT_MESSAGE(messageOf(slot::level), u"错误：等级不能为空！");
}

TEST_F(ValidationEngineTest, SlotsWithoutRulesOnlyDropTheirBubble) {
  edit(slot::level, u"");
  const std::int16_t record = field(slot::level).bubble;
  for (int slot : {slot::uiLoading, slot::remarks, slot::pauseUiScale, slot::uiSynced}) {
    field(slot).bubble = record;
    field(slot).setText(u"anything");
    validateAndCommit(*form, slot, false, true);
    EXPECT_EQ(field(slot).bubble, kNoBubble) << slot;
  }
  EXPECT_TRUE(form->bubbles[record].visible);
}

TEST_F(ValidationEngineTest, AReferenceToARecordThatPassedOnIsIgnored) {
  edit(slot::level, u"");
  const std::int16_t record = field(slot::level).bubble;
  field(slot::difficulty).bubble = record;
  EXPECT_FALSE(hasError(*form, slot::difficulty));
  edit(slot::difficulty, u"EZ");
  EXPECT_TRUE(form->bubbles[record].visible);
  EXPECT_TRUE(hasError(*form, slot::level));
}

TEST_F(ValidationEngineTest, BubblesHangAtTheirSlotsAnchorPoint) {
  enum Point { BelowCentre, BelowLeft, BelowRight, AboveLeft, AboveRight };
  const struct {
    int page;
    int slot;
    const char16_t* failing;
    Point point;
  } cases[] = {
      {1, slot::chartId, u"", BelowCentre},
      {1, slot::audioExt, u"", BelowCentre},
      {2, slot::songName, u"", BelowLeft},
      {2, slot::superscript, u"WWWWWW", BelowLeft},
      {3, slot::chartSongName, u"", AboveLeft},
      {3, slot::chartLevel, u"", AboveRight},
      {3, slot::chartFullScore, u"", BelowRight},
      {3, slot::chartDuration, u"秒", BelowRight},
      {4, slot::avatar, u"", BelowLeft},
      {4, slot::originalScore, u"", BelowCentre},
      {4, slot::resultFullScore, u"", BelowCentre},
      {4, slot::splitNameLine2, u"", BelowLeft},
      {4, slot::obtainedText, u"", BelowLeft},
      {5, slot::judgeLineThickness, u"", BelowLeft},
      {5, slot::hitEffectColorB, u"", BelowLeft},
  };
  for (const auto& c : cases) {
    onPage(c.page);
    edit(c.slot, c.failing);
    const StatusBubble* b = bubbleOf(c.slot);
    ASSERT_NE(b, nullptr) << c.slot;
    const TextField& f = field(c.slot);
    const struct {
      float x, y;
      Align anchor;
    } expected[] = {{f.x + f.width * 0.5f, f.y + f.height, Align::Centre},
                    {f.x, f.y + f.height, Align::Near},
                    {f.x + f.width, f.y + f.height, Align::Far},
                    {f.x, f.y - 30, Align::Near},
                    {f.x + f.width, f.y - 30, Align::Far}};
    EXPECT_FLOAT_EQ(b->x, expected[c.point].x) << c.slot;
    EXPECT_FLOAT_EQ(b->y, expected[c.point].y) << c.slot;
    EXPECT_EQ(b->anchor, expected[c.point].anchor) << c.slot;
  }
}

// With round widths the comparisons can be pinned exactly: ASCII letters are half an em.
class ExactWidthTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    testing::TestPlatform& p = platform;
    form = std::make_unique<SettingsForm>(
        Platform{fixed, p.headless.images, p.loop, p.headless.frame}, dir.path());
    onWindowCreate(*form);
  }
  testing::FixedMeasurer fixed;
};

TEST_F(ExactWidthTest, SlotRulesWarnOnlyWhenStrictlyWider) {
  onPage(2);
  expectMessages(slot::superscript, {{u"abc", u""}, {u"abcd", u"错误：上标过长！"}});
  expectMessages(slot::level, {{u"123456", u""}, {u"1234567", u"警告：等级较长，可能导致超框！"}});
}

TEST_F(ExactWidthTest, TheLongSongNameWarningFiresAtEqualWidth) {
  form->fields[slot::songName].setText(Text(46, u'x'));  // as wide as the long sample
  onPage(4);
  EXPECT_NE(form->longNameBubble, kNoBubble);
  form->fields[slot::songName].setText(Text(45, u'x'));
  checkLongSongName(*form);
  EXPECT_EQ(form->longNameBubble, kNoBubble);
}

TEST_F(ExactWidthTest, TheLongObtainedContentWarningFiresAtEqualWidth) {
  onPage(4);
  form->labels[label::obtainedType].caption = u"文件";
  expectMessages(slot::obtainedContent, {{Text(26, u'x').c_str(), u""}});
  EXPECT_NE(form->longContentBubble, kNoBubble);
  expectMessages(slot::obtainedContent, {{Text(25, u'x').c_str(), u""}});
  EXPECT_EQ(form->longContentBubble, kNoBubble);
}

TEST_F(ExactWidthTest, AMissingChartsNameGivesWayToTheEllipsis) {
  // 191 pixels of fixed words and ending plus 4 leave 255 of the 450 for the name: 23
  // letters of 10 pixels and the ellipsis of 20.
  edit(slot::chartId, Text(40, u'a'));
  EXPECT_MESSAGE(messageOf(slot::chartId), u"错误：未找到 " + Text(23, u'a') + u"….json！");
  edit(slot::chartId, Text(25, u'a'));
  EXPECT_MESSAGE(messageOf(slot::chartId), u"错误：未找到 " + Text(25, u'a') + u".json！");
}

}  // namespace
}  // namespace zarq
