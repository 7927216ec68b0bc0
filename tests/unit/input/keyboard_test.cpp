#include "input/keyboard.h"

#include <gtest/gtest.h>

#include "input_fixture.h"

namespace zarq {
namespace {

class KeyboardTest : public testing::InputTest {};

TEST_F(KeyboardTest, TypingInsertsAtTheCaretAndCommits) {
  showPage(*form, 2);
  edit(slot::songName, u"AC", 1);
  type(u"B");
  EXPECT_EQ(field(slot::songName).text, u"ABC");
  EXPECT_EQ(field(slot::songName).caret, 2);
  EXPECT_EQ(field(slot::songName).committedText, u"ABC");
  // A character beyond the basic plane arrives as two units and is kept whole.
  type(u"\U0001F600");
  EXPECT_EQ(field(slot::songName).text, u"AB\U0001F600C");
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(KeyboardTest, FiltersBeepOnRefusedCharacters) {
  const struct {
    int page, slot;
    const char16_t* before;
    const char16_t* typed;
    const char16_t* after;
    int beeps;
  } cases[] = {
      {1, slot::illustrationExt, u"", u"png", u"PNG", 0},
      {1, slot::illustrationExt, u"PNG", u".", u"PNG", 1},
      {1, slot::musicVolume, u"1", u"。", u"1.", 0},
      {2, slot::frameRate, u"6", u"。", u"6", 1},
      {2, slot::aspectRatio, u"16", u"：9", u"16:9", 0},
      {2, slot::songName, u"a", u"\x01\x7f", u"a", 0},  // control characters are dropped silently
      {3, slot::chartDuration, u"秒", u"6", u"秒", 1},  // the caret sits after the unit
  };
  for (const auto& c : cases) {
    host().beeps = 0;
    showPage(*form, c.page);
    edit(c.slot, c.before, static_cast<int>(std::char_traits<char16_t>::length(c.before)));
    type(c.typed);
    EXPECT_EQ(field(c.slot).text, c.after) << c.slot << " " << TextView(c.typed).size();
    EXPECT_EQ(host().beeps, c.beeps) << c.slot;
  }
}

TEST_F(KeyboardTest, BackspaceAtTheStartIsSilentAndKeepsTheDurationUnit) {
  showPage(*form, 3);
  edit(slot::chartDuration, u"60秒", 0);
  type(u"\b");
  EXPECT_EQ(host().beeps, 0);
  field(slot::chartDuration).caret = 3;
  type(u"\b");
  EXPECT_EQ(host().beeps, 1);
  EXPECT_EQ(field(slot::chartDuration).text, u"60秒");
  field(slot::chartDuration).caret = 2;
  type(u"\b");
  EXPECT_EQ(field(slot::chartDuration).text, u"6秒");
  EXPECT_EQ(field(slot::chartDuration).caret, 1);
}

TEST_F(KeyboardTest, TypingStopsAt150UnitsUntilOneIsRemoved) {
  showPage(*form, 2);
  edit(slot::songName, Text(150, u'a'), 150);
  type(u"b");
  EXPECT_EQ(host().beeps, 1);
  type(u"\bb");
  EXPECT_EQ(field(slot::songName).text, Text(149, u'a') + u"b");
  EXPECT_EQ(host().beeps, 1);
}

TEST_F(KeyboardTest, TypingIntoASliderFieldMovesTheSlider) {
  edit(slot::backgroundDim, u"150", 3);
  type(u"\b");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::dim].value, 15);
  edit(slot::musicVolume, u"0.8", 3);
  type(u"5");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value, 0.85f);
  type(u"\b\b\b\b");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value, 0);  // empty reads as 0
}

TEST_F(KeyboardTest, DeleteClearsTheWholeField) {
  const struct {
    int page, slot;
    const char16_t* cleared;
    int caret;
  } cases[] = {
      {2, slot::tip, u"Tip: ", 5},
      {3, slot::chartDuration, u"秒", 0},
      {2, slot::composer, u"", 0},
      {1, slot::musicVolume, u"", 0},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    edit(c.slot, u"12秒", 1);
    key(Key::Delete);
    EXPECT_EQ(field(c.slot).text, c.cleared) << c.slot;
    EXPECT_EQ(field(c.slot).visibleText, c.cleared) << c.slot;
    EXPECT_EQ(field(c.slot).caret, c.caret) << c.slot;
    EXPECT_EQ(field(c.slot).committedText, c.cleared) << c.slot;
  }
  // The cleared volume leaves its slider where it was.
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value, 0.8f);
}

TEST_F(KeyboardTest, LeftAndRightWalkTheWholeTextKeepingTheCaretVisible) {
  showPage(*form, 2);
  edit(slot::songName, Text(60, u'曲'), 0);
  TextField& f = field(slot::songName);
  for (int i = 0; i < 70; ++i) {
    key(Key::Right);
    ASSERT_LE(f.scroll, f.caret);
    ASSERT_LE(f.caret - f.scroll, static_cast<int>(f.visibleText.size()));
  }
  EXPECT_EQ(f.caret, 60);
  EXPECT_EQ(f.scroll + static_cast<int>(f.visibleText.size()), 60);
  for (int i = 0; i < 70; ++i) {
    key(Key::Left);
    ASSERT_LE(f.scroll, f.caret);
  }
  EXPECT_EQ(f.caret, 0);
  EXPECT_EQ(f.scroll, 0);
}

TEST_F(KeyboardTest, KeysDoNothingWithoutAFieldOrForOtherKeys) {
  const Text before = field(slot::chartId).text;
  const int framesBefore = frames();
  type(u"a\b\t\r\x1b");
  key(Key::Left);
  key(Key::Delete);
  EXPECT_EQ(field(slot::chartId).text, before);
  editAtEnd(slot::chartId);
  const int framesEditing = frames();
  key(Key::Other);
  EXPECT_EQ(frames(), framesEditing);
  EXPECT_EQ(framesBefore + 2, framesEditing);  // the press and the release of the click
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(KeyboardTest, TabMovesToTheNextEditableFieldKeepingTheCaretColumn) {
  const struct {
    int page, from, column;
    int to, caret;
  } cases[] = {
      {1, slot::chartId, 2, slot::illustrationExt, 2},
      {1, slot::chartId, 3, slot::illustrationExt, 3},
      {1, slot::chartId, 5, slot::illustrationExt, 2},  // past the new text: its last unit
      {1, slot::resultVolume, 1, slot::chartId, 1},     // wraps round to the page's first
      {2, slot::frameRate, 2, slot::superscript, 0},    // an empty field
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    edit(c.from, field(c.from).text, c.column);
    type(u"\t");
    EXPECT_TRUE(editing(c.to)) << c.from;
    EXPECT_FALSE(field(c.from).focused) << c.from;
    EXPECT_EQ(field(c.from).caret, 0) << c.from;
    EXPECT_EQ(field(c.to).caret, c.caret) << c.from;
  }
}

TEST_F(KeyboardTest, TabWithASingleEditableFieldRefocusesIt) {
  showPage(*form, 3);
  editAtEnd(slot::noteSize);
  for (int slot = slot::chartSongName; slot <= slot::chartDuration; ++slot) {
    if (slot != slot::noteSize) field(slot).shown = false;
  }
  type(u"\t");
  EXPECT_TRUE(editing(slot::noteSize));
}

TEST_F(KeyboardTest, EscapeLeavesTheFieldWithoutValidating) {
  edit(slot::chartId, u"changed", 1);
  const Text committed = field(slot::chartId).committedText;
  type(u"\x1b");
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
  EXPECT_FALSE(field(slot::chartId).focused);
  EXPECT_EQ(field(slot::chartId).committedText, committed);
  EXPECT_NE(committed, u"changed");
}

TEST_F(KeyboardTest, DraggingOutsideTheBoxScrollsOneStepPer50Milliseconds) {
  showPage(*form, 2);
  edit(slot::songName, Text(120, u'曲'), 0);
  TextField& f = field(slot::songName);
  press(f.x + 2, f.y + 5);
  const float right = f.x + f.width + 40;
  const struct {
    int atMs;
    float x;
    int caret;
  } steps[] = {
      {10'000, right, 1},  // the press cleared the last step time: one step at once
      {10'000, right, 1},  // the pointer moved, but too soon
      {10'050, right, 1},  // exactly 50 ms is not more than 50
      {10'051, right, 2},    {10'200, f.x - 40, 1},  // left of the box
      {10'300, f.x - 40, 0}, {10'400, f.x - 40, 0},  // at the start: no step
  };
  for (const auto& s : steps) {
    host().now = s.atMs;
    move(s.x, f.y + 5);
    EXPECT_EQ(f.caret, s.caret) << s.atMs;
  }
  // Above the box, the caret follows the pointer's column again.
  move(f.x + f.width - 1, f.y - 20);
  EXPECT_EQ(f.caret, f.scroll + static_cast<int>(f.visibleText.size()));
}

}  // namespace
}  // namespace zarq
