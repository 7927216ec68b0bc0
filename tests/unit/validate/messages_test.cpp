#include "validate/messages.h"

#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace zarq {
namespace {

using MessagesTest = testing::FormTest;

BubbleContent fieldMessage(int slot) {
  return {.status = u"错误：x", .speech = u"y", .ownerId = static_cast<std::int16_t>(slot)};
}

constexpr FormMessage kSplitWarning{
    false, u"警告：x", u"y", 10, 20, Align::Near, OwnerKind::CheckBox, box::songNameSplit};

int visibleCount(const SettingsForm& form) {
  int n = 0;
  for (const StatusBubble& b : form.bubbles) n += b.visible;
  return n;
}

TEST(BubblePoolTest, KeepsRecordZeroAndRunsOutAfter49) {
  BubblePool pool;
  BubbleContent content;
  content.status = u"错误：x";
  for (int i = 1; i <= 49; ++i) EXPECT_EQ(allocBubble(pool, content), i);
  EXPECT_EQ(allocBubble(pool, content), kNoBubble);
  EXPECT_FALSE(pool[0].visible);
  pool[7].visible = false;
  EXPECT_EQ(allocBubble(pool, content), 7);
}

TEST_F(MessagesTest, TheAutoFillOfferAlwaysTakesRecordZero) {
  releaseAllMessages(*form);
  attachFieldMessage(*form, slot::chartId, fieldMessage(slot::chartId), true);
  EXPECT_EQ(field(slot::chartId).bubble, kAutoFillRecord);
  attachFieldMessage(*form, slot::songName, fieldMessage(slot::songName), false);
  EXPECT_EQ(field(slot::songName).bubble, 1);
  EXPECT_EQ(visibleCount(*form), 2);
}

// A slot releases only a record that still carries its own message.
TEST_F(MessagesTest, ReleasingAFieldLeavesARecordAnotherOwnerTookOver) {
  releaseAllMessages(*form);
  attachFieldMessage(*form, slot::songName, fieldMessage(slot::songName), false);
  const std::int16_t record = field(slot::songName).bubble;
  form->bubbles[record].visible = false;
  attachFieldMessage(*form, slot::composer, fieldMessage(slot::composer), false);
  ASSERT_EQ(field(slot::composer).bubble, record);

  EXPECT_EQ(ownedBubble(*form, slot::songName), kNoBubble);
  releaseFieldMessage(*form, slot::songName);
  EXPECT_EQ(field(slot::songName).bubble, kNoBubble);
  EXPECT_TRUE(form->bubbles[record].visible);
  releaseFieldMessage(*form, slot::composer);
  EXPECT_FALSE(form->bubbles[record].visible);
}

TEST_F(MessagesTest, AFormMessageIsReplacedReleasedAndClosedThroughItsReference) {
  releaseAllMessages(*form);
  std::int16_t& reference = form->longNameBubble;
  replaceFormMessage(*form, reference, true, kSplitWarning);
  const std::int16_t first = reference;
  ASSERT_NE(first, kNoBubble);
  replaceFormMessage(*form, reference, true, kSplitWarning);
  EXPECT_EQ(visibleCount(*form), 1);  // the old message made way for the new one
  replaceFormMessage(*form, reference, false, kSplitWarning);
  EXPECT_EQ(reference, kNoBubble);
  EXPECT_EQ(visibleCount(*form), 0);

  replaceFormMessage(*form, reference, true, kSplitWarning);
  EXPECT_TRUE(closeMessage(*form, reference));
  EXPECT_EQ(reference, kNoBubble);
  EXPECT_EQ(visibleCount(*form), 0);

  replaceFormMessage(*form, reference, true, kSplitWarning);
  releaseFormMessage(*form, reference);
  EXPECT_EQ(reference, kNoBubble);
  EXPECT_EQ(visibleCount(*form), 0);
}

TEST_F(MessagesTest, OnlyAVisibleWarningCanBeClosed) {
  releaseAllMessages(*form);
  BubbleContent error = fieldMessage(slot::songName);
  error.isError = true;
  attachFieldMessage(*form, slot::songName, error, false);
  const std::int16_t record = field(slot::songName).bubble;
  EXPECT_FALSE(closeMessage(*form, record));
  EXPECT_TRUE(form->bubbles[record].visible);
  EXPECT_FALSE(closeMessage(*form, 30));  // not visible
  EXPECT_FALSE(closeMessage(*form, -1));
  EXPECT_FALSE(closeMessage(*form, kBubbleCount));
}

TEST_F(MessagesTest, ReleasingAllDetachesEveryFieldAndReference) {
  attachFieldMessage(*form, slot::songName, fieldMessage(slot::songName), false);
  replaceFormMessage(*form, form->storyboardBubble, true, kSplitWarning);
  releaseAllMessages(*form);
  EXPECT_EQ(visibleCount(*form), 0);
  EXPECT_EQ(form->storyboardBubble, kNoBubble);
  for (const TextField& f : form->fields) EXPECT_EQ(f.bubble, kNoBubble);
}

}  // namespace
}  // namespace zarq
