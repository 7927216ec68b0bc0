// The window's events, whatever the platform: each ends with at most one frame and no frame
// looks at a file; input that comes during long work waits its turn; keys act with the
// modifiers they went down with.

#include "editor/window_events.h"

#include <gtest/gtest.h>

#include <fstream>

#include "form/preview.h"
#include "form/slot_text.h"
#include "input_fixture.h"
#include "support/faulty_file_system.h"

namespace zarq {
namespace {

class WindowEventsTest : public testing::InputTest {
 protected:
  void dropChart(const char* id) {
    const std::filesystem::path source = dir / "elsewhere";
    std::filesystem::create_directories(source);
    std::ofstream(source / (std::string(id) + ".json")) << R"({"ZarqVersion":120})";
    onDrop(*form, {source / (std::string(id) + ".json")});
  }
};

TEST_F(WindowEventsTest, EachEventDrawsOneFrameWhenItChangedWhatShowsAndNoneOtherwise) {
  editAtEnd(slot::chartId);
  const struct {
    const char* event;
    std::function<void()> send;
    int frames;
  } cases[] = {
      {"a typed character", [&] { onChar(*form, u'x'); }, 1},
      {"Backspace", [&] { onChar(*form, u'\b'); }, 1},
      {"a key that does nothing", [&] { onKeyUp(*form, KeyStroke{}); }, 0},
      {"a caret key", [&] { onKeyUp(*form, KeyStroke{Key::Left}); }, 1},
      {"a move over nothing", [&] { move(5, 5); }, 0},
      {"a click on a check box", [&] { clickBox(box::recordOpening); }, 1},
      {"Ctrl+2", [&] { command(Command::Page2); }, 1},
      {"a composition", [&] { onComposition(*form, u"zh"); }, 1},
      {"the same composition", [&] { onComposition(*form, u"zh"); }, 0},
  };
  for (const auto& c : cases) {
    const int before = frames();
    c.send();
    EXPECT_EQ(frames() - before, c.frames) << c.event;
  }
}

TEST_F(WindowEventsTest, ACompositionIsDroppedOnceItsFieldIsNoLongerEdited) {
  const struct {
    const char* event;
    std::function<void()> send;
    bool dropped;
  } cases[] = {
      {"a typed character", [&] { onChar(*form, u'x'); }, false},
      {"a click in the same field", [&] { editAtEnd(slot::chartId); }, false},
      {"Tab", [&] { onChar(*form, u'\t'); }, true},
      {"Escape", [&] { onChar(*form, 27); }, true},
      {"Ctrl+2", [&] { command(Command::Page2); }, true},
      {"a click on another field", [&] { editAtEnd(slot::illustrationExt); }, true},
      {"a click on nothing", [&] { click(5, 5); }, true},
  };
  for (const auto& c : cases) {
    showPage(*form, 1);
    editAtEnd(slot::chartId);
    onComposition(*form, u"zh");
    const int before = host().compositionsDropped;
    c.send();
    EXPECT_EQ(host().compositionsDropped - before, c.dropped ? 1 : 0) << c.event;
    EXPECT_EQ(form->composing.empty(), c.dropped) << c.event;
    onComposition(*form, u"");
  }
}

TEST_F(WindowEventsTest, AQuestionOpensOverOneFrameOfWhatTheActionDidSoFar) {
  host().answers = {MessageAnswer::No};
  const int before = frames();
  dropChart("sky");
  ASSERT_EQ(host().messages.size(), 1u);
  // The chart ID was shown before the question; nothing changed after the answer.
  EXPECT_EQ(field(slot::chartId).text, u"sky");
  EXPECT_EQ(frames(), before + 1);
}

TEST_F(WindowEventsTest, TypingLooksUpNoFileEvenWithTheIllustrationMissingInABigFolder) {
  for (int i = 0; i < 300; ++i) std::ofstream(dir / ("take" + std::to_string(i) + ".wav"));
  testing::FaultyFileSystem files;
  form = std::make_unique<SettingsForm>(platform.platform(files), dir.path());
  onWindowCreate(*form);
  setSlotText(*form, slot::chartId, u"song");
  onPaint(*form);
  command(Command::Page2);
  editAtEnd(slot::songName);

  files.begin();
  type(u"0123456789");
  EXPECT_TRUE(field(slot::songName).text.ends_with(u"0123456789"));
  EXPECT_EQ(files.calls(), 0);

  // A change of the name the illustration goes by looks it up: in the folder too, as it is
  // missing.
  command(Command::Page1);
  editAtEnd(slot::chartId);
  type(u"2");
  EXPECT_GT(files.calls(), 0);
}

TEST_F(WindowEventsTest, GainingTheFocusLooksTheIllustrationUpAgain) {
  testing::FaultyFileSystem files;
  form = std::make_unique<SettingsForm>(platform.platform(files), dir.path());
  onWindowCreate(*form);
  onPaint(*form);
  files.begin();
  onPaint(*form);
  EXPECT_EQ(files.calls(), 0);
  onFocusGained(*form);
  EXPECT_GT(files.calls(), 0);
}

TEST_F(WindowEventsTest, InputDuringLongWorkWaitsAndIsHandledInOrderAfterIt) {
  host().answers = {MessageAnswer::No};
  host().events = {[&] {
    command(Command::Page2);
    command(Command::Page3);
  }};
  dropChart("sky");
  EXPECT_EQ(form->currentPage, 1);
  // Input that comes before the held input is handled waits behind it.
  command(Command::Page5);
  EXPECT_EQ(form->currentPage, 1);
  loop().runPosted();
  EXPECT_EQ(form->currentPage, 5);
}

TEST_F(WindowEventsTest, AKeyActsWithTheModifiersItWentDownWithAndRepeatsWhileHeld) {
  edit(slot::chartId, u"abcd", 4);
  const KeyCode left = 113, shift = 50;
  EXPECT_FALSE(onKeyPressed(*form, shift, KeyStroke{Key::Other, true}));
  EXPECT_FALSE(onKeyPressed(*form, left, KeyStroke{Key::Left, true}));
  onKeyReleased(*form, shift, KeyStroke{});
  // Shift is up, but Left went down with it: it selects.
  onKeyReleased(*form, left, KeyStroke{Key::Left});
  EXPECT_EQ(field(slot::chartId).selection().size(), 1);

  // Held: each repeat moves the caret (the first one onto the selection's start); a key that
  // is no caret key is left to the window.
  EXPECT_FALSE(onKeyPressed(*form, left, KeyStroke{Key::Left}));
  EXPECT_TRUE(onKeyPressed(*form, left, KeyStroke{Key::Left}));
  EXPECT_TRUE(onKeyPressed(*form, left, KeyStroke{Key::Left}));
  EXPECT_EQ(field(slot::chartId).caret, 2);
  EXPECT_FALSE(onKeyPressed(*form, 22, KeyStroke{}));
  EXPECT_FALSE(onKeyPressed(*form, 22, KeyStroke{}));
  // Keys let go while another window had the keyboard are forgotten.
  onFocusLost(*form);
  EXPECT_FALSE(onKeyPressed(*form, left, KeyStroke{Key::Left}));
}

}  // namespace
}  // namespace zarq
