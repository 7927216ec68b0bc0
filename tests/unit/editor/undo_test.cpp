#include "editor/undo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <limits>

#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "input_fixture.h"
#include "support/sample_chart.h"

namespace zarq {
namespace {

class UndoTest : public testing::InputTest {
 protected:
  PresetValues values() const { return presetFromForm(*form); }
  void undo() { command(Command::Undo); }
  // Typed as on a real keyboard: each key goes down, repeats once (held a little long) and
  // comes up again, and Shift is let go in between.
  void pressKeys(TextView units) {
    for (char16_t unit : units) {
      type(TextView(&unit, 1));
      onKeyRepeat(*form, KeyStroke{});
      key(KeyStroke{});
      key(KeyStroke{Key::Other, true});
    }
  }
  void redo() { command(Command::Redo); }
  void dragSlider(int index, float toX) {
    const Slider& s = form->sliders[index];
    press(s.x, s.y);
    move(s.x + toX / 2, s.y);
    move(s.x + toX, s.y);
    release(s.x + toX, s.y);
  }
  // A preset, away from the editor's folder, that differs from the form in the player name.
  std::filesystem::path presetFile() {
    PresetValues preset = values();
    preset.texts[slot::playerName] = u"from the preset";
    const std::filesystem::path file = elsewhere.path() / "p.set";
    EXPECT_TRUE(writePresetFile(file, preset));
    return file;
  }
  testing::TempDir elsewhere;
};

TEST_F(UndoTest, EveryKindOfActionIsOneStepThatUndoTakesBackAndRedoRepeats) {
  dir.write("20220924.json", testing::kSampleChart);
  const struct {
    const char* name;
    int page;
    std::function<void()> act;
  } actions[] = {
      {"typing", 2,
       [&] {
         editAtEnd(slot::songName);
         type(u"abc");
       }},
      {"check box", 1, [&] { clickBox(box::recordChart); }},
      {"slider drag", 1, [&] { dragSlider(sliderId::musicVolume, -40); }},
      {"option", 2, [&] { clickOption(pair::quality, false); }},
      {"obtained type", 4, [&] { clickLabel(label::obtainedType); }},
      {"delete", 2,
       [&] {
         editAtEnd(slot::composer);
         key(Key::Delete);
       }},
      {"paste", 2,
       [&] {
         host().clipboard = {ClipboardText::Status::Text, u"pasted"};
         editAtEnd(slot::charter);
         command(Command::Paste);
       }},
      {"cut", 2,
       [&] {
         editAtEnd(slot::charter);
         command(Command::SelectAll);
         command(Command::Cut);
       }},
      {"preset load", 3,
       [&] {
         host().dialogResults.push_back(presetFile());
         command(Command::Open);
       }},
      {"auto-fill", 1,
       [&] {
         const StatusBubble& offer = form->bubbles[0];
         ASSERT_TRUE(offer.visible);
         host().answers.push_back(MessageAnswer::Yes);
         click(offer.boxLeft(form->metrics) + 5, offer.y + 5);
       }},
      {"chart folder import", 1,
       [&] {
         const std::filesystem::path folder = elsewhere.path() / "imported";
         std::filesystem::create_directories(folder);
         std::ofstream(folder / "imported.json", std::ios::binary) << testing::kSampleChart;
         host().dialogResults.push_back(folder);
         command(Command::PageDialog);
       }},
      {"drop", 1,
       [&] {
         const std::filesystem::path chart = elsewhere.write("dropped.json", testing::kSampleChart);
         host().answers.push_back(MessageAnswer::Yes);
         onDrop(*form, {chart});
       }},
  };
  for (const auto& a : actions) {
    showPage(*form, a.page);
    click(5, 5);  // nothing: no field is being edited
    const PresetValues before = values();
    a.act();
    const PresetValues after = values();
    ASSERT_NE(after, before) << a.name;
    undo();
    EXPECT_EQ(values(), before) << a.name;
    EXPECT_EQ(form->currentPage, a.page) << a.name;
    redo();
    EXPECT_EQ(values(), after) << a.name;
    undo();
    EXPECT_EQ(values(), before) << a.name;
  }
}

TEST_F(UndoTest, TypingInOneFieldIsOneStepUntilTheCaretMovesOrAnotherFieldIsUsed) {
  showPage(*form, 2);
  edit(slot::songName, u"", 0);
  pressKeys(u"Hello");
  key(Key::Left);
  pressKeys(u"X\b\bY");
  const Text composer = field(slot::composer).text;
  editAtEnd(slot::composer);
  pressKeys(u"Z");
  EXPECT_EQ(field(slot::songName).text, u"HelYo");
  undo();
  EXPECT_EQ(field(slot::composer).text, composer);
  EXPECT_EQ(field(slot::songName).text, u"HelYo");
  undo();
  EXPECT_EQ(field(slot::songName).text, u"Hello");
  EXPECT_TRUE(editing(slot::songName));
  EXPECT_EQ(field(slot::songName).caret, 4);  // where the caret was before the step
  undo();
  EXPECT_EQ(field(slot::songName).text, u"");
  redo();
  redo();
  EXPECT_EQ(field(slot::songName).text, u"HelYo");
  EXPECT_TRUE(editing(slot::composer));  // as it was when the composer was clicked
  // A new step forgets what could have been redone.
  undo();
  type(u"!");
  redo();
  EXPECT_EQ(field(slot::songName).text, u"Hell!o");
}

TEST_F(UndoTest, UndoingACheckBoxRestoresTheStatesAndPlacesThatFollowIt) {
  const float nameX = field(slot::chartSongName).x;
  clickBox(box::recordChart);  // unticked: dim, hit sound and music greyed and reset
  ASSERT_FALSE(form->sliders[sliderId::dim].enabled());
  showPage(*form, 3);
  clickBox(box::nameBar);
  ASSERT_NE(field(slot::chartSongName).x, nameX);
  undo();
  EXPECT_EQ(field(slot::chartSongName).x, nameX);
  EXPECT_EQ(form->currentPage, 3);
  undo();
  EXPECT_TRUE(form->checkBoxes[box::recordChart].checked());
  EXPECT_TRUE(form->sliders[sliderId::dim].enabled());
  EXPECT_TRUE(form->fields[slot::musicVolume].enabled());
}

// Undoing a step that edited no field (a box on another page) leaves the keyboard in the
// field that has it, the caret where it was.
TEST_F(UndoTest, UndoingAStepElsewhereLeavesTheKeyboardInItsField) {
  clickBox(box::recordOpening);
  showPage(*form, 2);
  editAtEnd(slot::songName);
  key(Key::Left);
  const int caret = field(slot::songName).caret;
  undo();
  EXPECT_TRUE(form->checkBoxes[box::recordOpening].checked());
  EXPECT_TRUE(editing(slot::songName));
  EXPECT_EQ(field(slot::songName).caret, caret);
  redo();
  EXPECT_FALSE(form->checkBoxes[box::recordOpening].checked());
  EXPECT_TRUE(editing(slot::songName));
}

// A preset may hold a slider that is not a number: what changes nothing still makes no step,
// so that undo takes back the last real one.
TEST_F(UndoTest, ASliderThatIsNotANumberMakesNoStepsOfItsOwn) {
  PresetValues preset = values();
  preset.sliders[sliderId::dim] = std::numeric_limits<float>::quiet_NaN();
  const std::filesystem::path file = elsewhere.path() / "nan.set";
  ASSERT_TRUE(writePresetFile(file, preset));
  host().dialogResults.push_back(file);
  command(Command::Open);
  const bool ticked = form->checkBoxes[box::recordOpening].checked();
  clickBox(box::recordOpening);
  showPage(*form, 2);
  editAtEnd(slot::songName);
  key(Key::Left);
  undo();
  EXPECT_EQ(form->checkBoxes[box::recordOpening].checked(), ticked);
}

TEST_F(UndoTest, UndoRevalidatesThePageOnView) {
  showPage(*form, 2);
  const std::vector<Text> clean = visibleStatuses();
  edit(slot::superscript, u"", 0);
  type(u"WWWWWW");
  ASSERT_NE(visibleStatuses(), clean);
  undo();
  undo();
  EXPECT_EQ(visibleStatuses(), clean);
}

// A long session keeps the last 200 steps, as documented, and forgets the older ones, so
// that its memory stays bounded. Each undo takes one click back; one with no step left
// changes nothing, not even the frame.
TEST_F(UndoTest, ALongSessionKeepsItsLastTwoHundredStepsAndNoMore) {
  const CheckBox& opening = form->checkBoxes[box::recordOpening];
  for (int i = 0; i < 1000; ++i) clickBox(box::recordOpening);
  int undone = 0;
  for (int i = 0; i < 250; ++i) {
    const int frames = this->frames();
    const bool was = opening.checked();
    undo();
    const bool undid = this->frames() != frames;
    undone += undid;
    EXPECT_EQ(opening.checked() != was, undid) << i;
  }
  EXPECT_EQ(undone, 200);
}

}  // namespace
}  // namespace zarq
