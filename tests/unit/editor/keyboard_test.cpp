#include "editor/keyboard.h"

#include <gtest/gtest.h>

#include "common/printable.h"
#include "editor/focus.h"
#include "input_fixture.h"

namespace zarq {
namespace {

class KeyboardTest : public testing::InputTest {};

TEST(PrintableTest, OnlyControlCharactersAndSeparatorsAreNotPrintable) {
  for (char16_t unit : {0x00, 0x08, 0x0A, 0x1F, 0x7F, 0x85, 0x9F, 0x2028, 0x2029}) {
    EXPECT_FALSE(isPrintable(unit)) << std::hex << static_cast<int>(unit);
  }
  for (char16_t unit : {u' ', u'~', u'\u00A0', u'秒', u'\u3000', u'\uFF1A', u'\uE000'}) {
    EXPECT_TRUE(isPrintable(unit)) << std::hex << static_cast<int>(unit);
  }
  EXPECT_TRUE(isPrintable(0xD83D) && isPrintable(0xDE00));  // halves of one emoji
}

TEST_F(KeyboardTest, TypedCharactersPassTheFieldFiltersOrBeep) {
  const Text full(150, u'a');
  const struct {
    int page, slot;
    Text before;
    int caret;
    const char16_t* typed;
    Text after;
    int beeps;
  } cases[] = {
      {2, slot::songName, u"AC", 1, u"B", u"ABC", 0},
      {2, slot::songName, u"A", 1, u"\U0001F600", u"A\U0001F600", 0},  // two units, both kept
      {2, slot::songName, u"a", 1, u"\x01\x7f", u"a", 0},  // control characters: no sound
      {2, slot::songName, full, 150, u"b", full, 1},
      {2, slot::songName, full, 150, u"\bbc", Text(149, u'a') + u"b", 1},
      {1, slot::illustrationExt, u"", 0, u"png", u"PNG", 0},
      {1, slot::illustrationExt, u"PNG", 3, u".", u"PNG", 1},
      {1, slot::musicVolume, u"1", 1, u"。.", u"1..", 0},  // "。" is a point; two may be typed
      {1, slot::musicVolume, u"1", 1, u"-a", u"1", 2},
      {2, slot::frameRate, u"6", 1, u"。.", u"6", 2},
      {2, slot::aspectRatio, u"16", 2, u"：9/", u"16:9", 1},
      {3, slot::chartDuration, u"60秒", 2, u"1", u"601秒", 0},
      {3, slot::chartDuration, u"60秒", 3, u"1\b", u"60秒", 2},  // the unit stays last
      {3, slot::chartDuration, u"60秒", 0, u"\b", u"60秒", 0},   // Backspace at 0 is silent
      {3, slot::chartDuration, u"60秒", 2, u"\b", u"6秒", 0},
  };
  for (const auto& c : cases) {
    host().beeps = 0;
    showPage(*form, c.page);
    edit(c.slot, c.before, c.caret);
    type(c.typed);
    EXPECT_EQ(field(c.slot).text, c.after) << c.slot << " " << static_cast<int>(c.typed[0]);
    if (c.after != c.before) {
      EXPECT_EQ(field(c.slot).committedText, c.after) << c.slot;
    }
    EXPECT_EQ(host().beeps, c.beeps) << c.slot << " " << static_cast<int>(c.typed[0]);
  }
}

// U+1F600 is two UTF-16 units; no key, cut or limit may leave one of them alone.
TEST_F(KeyboardTest, CaretKeysDeletionAndTypingTakeWholeCharacters) {
  const Text e = u"\U0001F600";
  const char16_t high[] = {0xD83D, 0}, low[] = {0xDE00, 0};
  const Text full149(149, u'a');
  const struct {
    int page, slot;
    Text before;
    int caret;
    std::vector<Key> keys;
    Text typed;
    Text after;
    int caretAfter, beeps;
  } cases[] = {
      {2, slot::songName, u"a" + e + u"b", 3, {Key::Left}, u"", u"a" + e + u"b", 1, 0},
      {2, slot::songName, u"a" + e + u"b", 1, {Key::Right}, u"", u"a" + e + u"b", 3, 0},
      {2, slot::songName, u"a" + e + u"b", 3, {}, u"\b", u"ab", 1, 0},
      {2, slot::songName, e + e, 4, {Key::Left}, u"\b", e, 0, 0},
      {2, slot::songName, full149, 149, {}, e, full149, 149, 1},  // 151 units: refused whole
      {2, slot::songName, Text(148, u'a'), 148, {}, e, Text(148, u'a') + e, 150, 0},
      {2, slot::songName, u"ab", 1, {}, Text(high) + u"x", u"axb", 2, 0},  // a half alone
      {2, slot::songName, u"ab", 1, {}, low, u"ab", 1, 0},
      {1, slot::musicVolume, u"1", 1, {}, e, u"1", 1, 1},  // one beep for one character
      {1, slot::illustrationExt, u"P", 1, {}, e, u"P", 1, 1},
  };
  for (const auto& c : cases) {
    host().beeps = 0;
    showPage(*form, c.page);
    edit(c.slot, c.before, c.caret);
    for (Key k : c.keys) key(k);
    type(c.typed);
    EXPECT_EQ(field(c.slot).text, c.after) << c.slot << " " << c.before.size();
    EXPECT_EQ(field(c.slot).caret, c.caretAfter) << c.slot << " " << c.before.size();
    EXPECT_EQ(host().beeps, c.beeps) << c.slot << " " << c.before.size();
  }
}

TEST_F(KeyboardTest, ARefusedKeyFlashesTheFieldsOutlineForAMoment) {
  const TextField& f = field(slot::musicVolume);
  // Whether the outline's left edge, half way down, shows the flash's red.
  const auto outlineRed = [&] {
    const int y = static_cast<int>(f.y + f.height / 2);
    for (int x = static_cast<int>(f.x) - 1; x <= static_cast<int>(f.x) + 1; ++x) {
      const std::uint32_t p = platform.headless.frame.pixel(x, y);
      if (((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x90) return true;
    }
    return false;
  };
  edit(slot::musicVolume, u"1", 1);
  EXPECT_FALSE(outlineRed());
  EXPECT_FALSE(animationRunning(*form));
  type(u"a");
  EXPECT_EQ(host().beeps, 1);
  EXPECT_TRUE(outlineRed());
  EXPECT_TRUE(animationRunning(*form));
  host().now += kRefusalFlashMs;
  onPaint(*form);
  EXPECT_FALSE(outlineRed());
  // The window draws a little longer, so the frame after the flash is shown too.
  EXPECT_TRUE(animationRunning(*form));
  host().now += kRefusalFlashMs;
  EXPECT_FALSE(animationRunning(*form));
}

TEST_F(KeyboardTest, TypingIntoASliderFieldMovesTheSlider) {
  edit(slot::backgroundDim, u"150", 3);
  type(u"\b");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::dim].value(), 15);
  edit(slot::musicVolume, u"0.8", 3);
  type(u"5");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value(), 0.85f);
  type(u"\b\b\b\b");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value(), 0);  // empty reads as 0
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
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value(), 0.8f);
}

TEST_F(KeyboardTest, LeftAndRightWalkTheWholeTextKeepingTheCaretVisible) {
  showPage(*form, 2);
  edit(slot::songName, Text(60, u'曲'), 0);
  const TextField& f = field(slot::songName);
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
  type(u"a\b\r\x1b");
  key(Key::Left);
  key(Key::Delete);
  EXPECT_EQ(field(slot::chartId).text, before);
  EXPECT_EQ(frames(), framesBefore);
  editAtEnd(slot::chartId);
  const int framesEditing = frames();
  key(Key::Other);
  EXPECT_EQ(frames(), framesEditing);
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(KeyboardTest, TabMovesToTheNextFieldWithItsWholeTextSelected) {
  const struct {
    int page, from, to;
    TextView text;
  } cases[] = {
      {1, slot::illustrationExt, slot::audioExt, u"MP3"},
      {2, slot::songName, slot::level, u"a\U0001F600"},  // never half a pair
      {6, slot::uiSyncing, slot::uiLoading, u""},        // by column
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    field(c.to).setText(c.text);
    edit(c.from, field(c.from).text, 1);
    type(u"\t");
    EXPECT_TRUE(editing(c.to)) << c.from;
    EXPECT_FALSE(field(c.from).focused) << c.from;
    EXPECT_EQ(field(c.to).selection().from, 0) << c.from;
    EXPECT_EQ(field(c.to).caret, static_cast<int>(c.text.size())) << c.from;
  }
  // With a single editable field on view, Tab comes round to it again after the page's other
  // controls.
  showPage(*form, 3);
  editAtEnd(slot::noteSize);
  for (int slot = slot::chartSongName; slot <= slot::chartDuration; ++slot) {
    field(slot).shown = slot == slot::noteSize;
  }
  type(Text(focusCycle(*form).size(), u'\t'));
  EXPECT_TRUE(editing(slot::noteSize));
}

TEST_F(KeyboardTest, EscapeLeavesTheFieldWithoutValidating) {
  edit(slot::chartId, u"changed", 1);
  const Text committed = field(slot::chartId).committedText;
  type(u"\x1b");
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
  EXPECT_FALSE(field(slot::chartId).focused);
  EXPECT_EQ(field(slot::chartId).committedText, committed);
}

TEST_F(KeyboardTest, DraggingOutsideTheBoxScrollsOneStepPer50Milliseconds) {
  showPage(*form, 2);
  edit(slot::songName, Text(120, u'曲'), 0);
  const TextField& f = field(slot::songName);
  press(f.x + 2, f.y + 5);
  const float right = f.x + f.width + 40, left = f.x - 40;
  const struct {
    int atMs;
    float x;
    int caret;
  } steps[] = {
      {10'000, right, 1},  // the press cleared the last step time: one step at once
      {10'000, right, 1},  // the pointer moved, but too soon
      {10'050, right, 1},  // exactly 50 ms is not more than 50
      {10'051, right, 2}, {10'200, left, 1}, {10'300, left, 0}, {10'400, left, 0},
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
