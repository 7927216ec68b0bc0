#include "editor/split_lines.h"

#include <gtest/gtest.h>

#include "input_fixture.h"

namespace zarq {
namespace {

class SplitLinesTest : public testing::InputTest {
 protected:
  void songNameSplit(TextView name) {
    field(slot::songName).setText(name);
    field(slot::splitNameLine1).setText(name);
    showPage(*form, 4);
    clickBox(box::songNameSplit);
  }
  // The obtained content of type "文件" over two lines.
  void obtainedSplit(TextView line1, TextView line2) {
    showPage(*form, 4);
    for (int i = 0; i < 3; ++i) clickLabel(label::obtainedType);
    clickBox(box::obtainedSplit);
    field(slot::obtainedContent).setText(line1);
    field(slot::obtainedContentLine2).setText(line2);
  }
};

TEST_F(SplitLinesTest, EnterMovesTheSplitPointOfTheSongName) {
  songNameSplit(u"ABCDEF");
  edit(slot::splitNameLine1, u"ABCDEF", 3);
  type(u"\r");
  EXPECT_EQ(field(slot::splitNameLine1).text, u"ABC");
  EXPECT_EQ(field(slot::splitNameLine2).text, u"DEF");
  EXPECT_TRUE(editing(slot::splitNameLine2));
  EXPECT_EQ(field(slot::splitNameLine2).caret, 0);
  EXPECT_FALSE(field(slot::splitNameLine1).focused);

  field(slot::splitNameLine2).caret = 1;
  type(u"\r");
  EXPECT_EQ(field(slot::splitNameLine1).text, u"ABCD");
  EXPECT_EQ(field(slot::splitNameLine2).text, u"EF");
  EXPECT_TRUE(editing(slot::splitNameLine2));
  EXPECT_EQ(field(slot::splitNameLine2).caret, 0);
  EXPECT_EQ(field(slot::splitNameLine2).committedText, u"EF");
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(SplitLinesTest, EnterInAScrolledSecondLineShowsItFromItsStart) {
  const Text name(60, u'曲');
  songNameSplit(name);
  edit(slot::splitNameLine1, name, 0);
  type(u"\r");
  for (int i = 0; i < 40; ++i) key(Key::Right);
  ASSERT_GT(field(slot::splitNameLine2).scroll, 0);
  type(u"\r");
  EXPECT_EQ(field(slot::splitNameLine1).text, Text(40, u'曲'));
  EXPECT_EQ(field(slot::splitNameLine2).caret, 0);
  EXPECT_EQ(field(slot::splitNameLine2).scroll, 0);
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(SplitLinesTest, EnterMovesTheSplitPointOfTheObtainedContent) {
  obtainedSplit(u"abc", u"def");
  edit(slot::obtainedContent, u"abc", 1);
  type(u"\r");
  EXPECT_EQ(field(slot::obtainedContent).text, u"a");
  EXPECT_EQ(field(slot::obtainedContentLine2).text, u"bcdef");
  EXPECT_TRUE(editing(slot::obtainedContentLine2));
  field(slot::obtainedContentLine2).caret = 2;
  type(u"\r");
  EXPECT_EQ(field(slot::obtainedContent).text, u"abc");
  EXPECT_EQ(field(slot::obtainedContentLine2).text, u"def");
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(SplitLinesTest, EnterIsRefusedOutsideTheLinesOrWhileALineHasAnError) {
  const struct {
    const char* what;
    int slot;
    int errorIn;  // -1: none
    bool split;   // obtainedSplit ticked
    int beeps;
  } cases[] = {
      {"an ordinary field", slot::playerName, -1, true, 1},
      {"line 1 with an error", slot::splitNameLine1, slot::splitNameLine1, true, 1},
      {"line 2, line 1 with an error", slot::splitNameLine2, slot::splitNameLine1, true, 1},
      {"content without split", slot::obtainedContent, -1, false, 1},
      {"content with an error", slot::obtainedContent, slot::obtainedContent, true, 0},
      {"content line 2 with an error", slot::obtainedContentLine2, slot::obtainedContent, true, 0},
  };
  for (const auto& c : cases) {
    build();
    songNameSplit(u"ABCDEF");
    obtainedSplit(u"abc", u"def");
    if (!c.split) clickBox(box::obtainedSplit);
    edit(c.slot, field(c.slot).text, 1);
    if (c.errorIn >= 0) attachMessage(c.errorIn, true);
    const Text line1 = field(slot::splitNameLine1).text,
               content = field(slot::obtainedContent).text;
    host().beeps = 0;
    type(u"\r");
    EXPECT_EQ(host().beeps, c.beeps) << c.what;
    EXPECT_EQ(field(slot::splitNameLine1).text, line1) << c.what;
    EXPECT_EQ(field(slot::obtainedContent).text, content) << c.what;
  }
}

}  // namespace
}  // namespace zarq
