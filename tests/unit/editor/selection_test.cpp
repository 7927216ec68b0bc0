#include "editor/selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "editor/focus.h"
#include "input_fixture.h"
#include "support/sample_chart.h"

namespace zarq {
namespace {

class SelectionTest : public testing::InputTest {
 protected:
  TextRange selected(int slot) { return field(slot).selection(); }
};

const KeyStroke kShiftLeft{Key::Left, true}, kShiftRight{Key::Right, true};
const KeyStroke kShiftHome{Key::Home, true}, kShiftEnd{Key::End, true};
const KeyStroke kCtrlLeft{Key::Left, false, true}, kCtrlRight{Key::Right, false, true};
const KeyStroke kCtrlShiftLeft{Key::Left, true, true};

// One input of a case: a key released, units typed, or a command.
using Input = std::variant<KeyStroke, Text, Command>;

TEST_F(SelectionTest, KeysSelectAndTypingBackspaceDeleteAndPasteReplaceTheSelection) {
  const Text e = u"\U0001F600";
  const struct {
    const char* name;
    Text before;
    int caret;
    std::vector<Input> inputs;
    Text after;
    int caretAfter;
    TextRange selection;
  } cases[] = {
      {"shift-left twice, type",
       u"Hello",
       5,
       {kShiftLeft, kShiftLeft, Text(u"p!")},
       u"Help!",
       5,
       {}},
      {"shift-home selects to the start", u"Hello", 3, {kShiftHome}, u"Hello", 0, {0, 3}},
      {"shift-end then delete", u"Hello", 2, {kShiftEnd, Key::Delete}, u"He", 2, {}},
      {"ctrl-shift-left then backspace",
       u"Hello world",
       11,
       {kCtrlShiftLeft, Text(u"\b")},
       u"Hello ",
       6,
       {}},
      {"a pair is selected whole", u"a" + e + u"b", 1, {kShiftRight, Text(u"\b")}, u"ab", 1, {}},
      {"left collapses to the start", u"Hello", 5, {kShiftHome, Key::Left}, u"Hello", 0, {}},
      {"right collapses to the end",
       u"Hello",
       1,
       {kShiftRight, kShiftRight, Key::Right},
       u"Hello",
       3,
       {}},
      {"home and end", u"Hello", 2, {Key::End}, u"Hello", 5, {}},
      {"home", u"Hello", 2, {Key::Home}, u"Hello", 0, {}},
      {"ctrl-right by words", u"Hello 世界!", 0, {kCtrlRight, kCtrlRight}, u"Hello 世界!", 7, {}},
      {"ctrl-left by words", u"Hello 世界!", 9, {kCtrlLeft, kCtrlLeft}, u"Hello 世界!", 6, {}},
      {"select all, type", u"Hello", 2, {Command::SelectAll, Text(u"x")}, u"x", 1, {}},
      {"shift-left back over the anchor",
       u"Hello",
       2,
       {kShiftRight, kShiftLeft, kShiftLeft},
       u"Hello",
       1,
       {1, 2}},
      {"delete without a selection clears", u"Hello", 2, {Key::Delete}, u"", 0, {}},
  };
  showPage(*form, 2);
  for (const auto& c : cases) {
    edit(slot::songName, c.before, c.caret);
    for (const Input& input : c.inputs) {
      if (const KeyStroke* stroke = std::get_if<KeyStroke>(&input)) key(*stroke);
      if (const Text* units = std::get_if<Text>(&input)) type(*units);
      if (const Command* cmd = std::get_if<Command>(&input)) command(*cmd);
    }
    EXPECT_EQ(field(slot::songName).text, c.after) << c.name;
    EXPECT_EQ(field(slot::songName).caret, c.caretAfter) << c.name;
    EXPECT_EQ(selected(slot::songName).from, c.selection.from) << c.name;
    EXPECT_EQ(selected(slot::songName).to, c.selection.to) << c.name;
    if (c.after != c.before) {
      EXPECT_EQ(field(slot::songName).committedText, c.after) << c.name;
    }
  }
}

TEST_F(SelectionTest, ARefusedCharacterLeavesTheSelectionAndTheLimitsCountWithoutIt) {
  edit(slot::musicVolume, u"0.8", 3);
  command(Command::SelectAll);
  type(u"a");
  EXPECT_EQ(host().beeps, 1);
  EXPECT_EQ(field(slot::musicVolume).text, u"0.8");
  EXPECT_EQ(selected(slot::musicVolume).size(), 3);
  type(u"1");
  EXPECT_EQ(field(slot::musicVolume).text, u"1");
  EXPECT_FLOAT_EQ(form->sliders[sliderId::musicVolume].value(), 1.f);

  // 150 units are the typing limit; a selected unit makes room for its replacement.
  showPage(*form, 2);
  edit(slot::songName, Text(150, u'a'), 150);
  key(kShiftLeft);
  type(u"b");
  EXPECT_EQ(field(slot::songName).text, Text(149, u'a') + u"b");
  EXPECT_EQ(host().beeps, 1);
}

TEST_F(SelectionTest, TheDurationKeepsItsUnitWhateverIsSelected) {
  showPage(*form, 3);
  edit(slot::chartDuration, u"60秒", 0);
  command(Command::SelectAll);
  type(u"5");
  EXPECT_EQ(field(slot::chartDuration).text, u"5秒");
  command(Command::SelectAll);
  command(Command::Cut);
  EXPECT_EQ(field(slot::chartDuration).text, u"秒");
  EXPECT_EQ(host().clipboard.text, u"5");
  EXPECT_EQ(host().beeps, 0);
}

TEST_F(SelectionTest, CopyTakesTheSelectionOrTheWholeFieldAndCutNeedsASelection) {
  showPage(*form, 2);
  command(Command::Copy);  // nothing is being edited
  command(Command::Cut);
  EXPECT_EQ(host().clipboardWrites, 0);

  edit(slot::songName, u"Hello 世界", 3);
  command(Command::Copy);
  EXPECT_EQ(host().clipboard.text, u"Hello 世界");
  command(Command::Cut);
  EXPECT_EQ(host().clipboardWrites, 1);
  EXPECT_EQ(field(slot::songName).text, u"Hello 世界");

  key(Key::End);
  key(kShiftLeft);
  key(kShiftLeft);
  command(Command::Copy);
  EXPECT_EQ(host().clipboard.text, u"世界");
  command(Command::Cut);
  EXPECT_EQ(field(slot::songName).text, u"Hello ");
  EXPECT_EQ(field(slot::songName).committedText, u"Hello ");
  EXPECT_EQ(field(slot::chartSongName).text, u"Hello ");  // derived fields follow

  // What was cut pastes back where the caret is, replacing a selection there.
  key(Key::Home);
  key(kShiftRight);
  command(Command::Paste);
  EXPECT_EQ(field(slot::songName).text, u"世界ello ");
}

TEST_F(SelectionTest, APressAndDragInTheEditedFieldSelectsAndAClickElsewhereDoesNot) {
  showPage(*form, 2);
  edit(slot::songName, u"Hello", 5);
  const TextField& f = field(slot::songName);
  press(f.x + 1, f.y + f.height / 2);
  move(f.x + f.width - 1, f.y + f.height / 2);
  release(f.x + f.width - 1, f.y + f.height / 2);
  EXPECT_EQ(selected(slot::songName).from, 0);
  EXPECT_EQ(selected(slot::songName).to, 5);
  click(f.x + 1, f.y + f.height / 2);
  EXPECT_TRUE(selected(slot::songName).empty());
  key(kShiftEnd);
  type(u"\x1b");  // Escape: the field lets go and its selection goes with it
  EXPECT_TRUE(selected(slot::songName).empty());
}

// A text that changes without being edited (a drop, the auto-fill, undo) takes no selection
// over from the text it replaces.
TEST_F(SelectionTest, ATextReplacedOtherwiseThanByEditingLeavesNoSelection) {
  testing::TempDir elsewhere;
  const std::filesystem::path chart = elsewhere.write("new.json", testing::kSampleChart);
  const struct {
    const char* name;
    int slot;
    std::function<void()> act;
  } cases[] = {
      {"a chart dropped", slot::chartId, [&] { onDrop(*form, {chart}); }},
      {"the auto-fill", slot::illustrationExt,
       [&] {
         host().answers.push_back(MessageAnswer::Yes);
         onDrop(*form, {chart});
       }},
      {"undo", slot::chartId, [&] { command(Command::Undo); }},
  };
  for (const auto& c : cases) {
    showPage(*form, 1);
    edit(c.slot, u"ABCDEFGHIJKL", 8);
    key(kShiftRight);
    key(kShiftRight);
    ASSERT_EQ(selected(c.slot).size(), 2) << c.name;
    c.act();
    const TextField& f = field(c.slot);
    EXPECT_NE(f.text, u"ABCDEFGHIJKL") << c.name;
    EXPECT_TRUE(f.selection().empty()) << c.name;
    EXPECT_LE(f.anchor, f.length()) << c.name;
  }
}

TEST_F(SelectionTest, ShiftTabGoesBackAndWrapsAsTabGoesForward) {
  showPage(*form, 2);
  const std::vector<ControlRef> eligible = focusCycle(*form);
  ASSERT_GE(eligible.size(), 3u);
  editAtEnd(eligible[1].index);
  command(Command::PreviousField);
  EXPECT_TRUE(editing(eligible[0].index));
  command(Command::PreviousField);
  EXPECT_EQ(form->focusedControl(), eligible.back());
  type(u"\t");
  EXPECT_TRUE(editing(eligible[0].index));
}

}  // namespace
}  // namespace zarq
