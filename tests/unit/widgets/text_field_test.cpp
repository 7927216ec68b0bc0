#include "widgets/text_field.h"

#include <gtest/gtest.h>

#include "support/fixed_measurer.h"
#include "support/null_canvas.h"
#include "support/scripted_host.h"

namespace zarq {
namespace {

using testing::FixedMeasurer;

// Keeps what a field draws: its filled rectangles, texts and lines.
struct RecordingCanvas : testing::NullCanvas {
  struct Line {
    float x1, y1, x2, y2;
  };
  void fillRect(RectF rect, Argb colour) override {
    if (colour == kSelectionColour) selections.push_back(rect);
  }
  void strokeLine(float x1, float y1, float x2, float y2, const Pen&) override {
    lines.push_back({x1, y1, x2, y2});
  }
  void drawText(TextView text, float, RectF, Align, Argb) override { texts.emplace_back(text); }

  std::vector<RectF> selections;
  std::vector<Text> texts;
  std::vector<Line> lines;
};

// Height 30 gives a 24-pixel font: ASCII letters are 12 pixels wide, and a box of width w
// holds (w - 12) / 12 of them.
class TextFieldTest : public ::testing::Test {
 protected:
  TextField makeField(TextView text, float width, Align align = Align::Near, float height = 30) {
    TextField f;
    f.init(100, 200, width, height, text, align, false, false, false);
    f.fitText(metrics, true);
    return f;
  }

  FixedMeasurer measurer;
  TextMetrics metrics{measurer};
};

TEST_F(TextFieldTest, EmptyTextShowsNothingAndPutsTheCaretAfterTheMargin) {
  TextField f = makeField(u"", 72);
  EXPECT_EQ(f.visibleText, u"");
  EXPECT_FLOAT_EQ(f.caretOffset(metrics, 0), 0.22f * 30);

  testing::TestPlatform platform;
  f.focused = true;
  f.draw(platform.headless.frame.beginFrame(), metrics, platform.loop, {});
  EXPECT_EQ(platform.host.caretX, static_cast<int>(100 + 0.22f * 30));
  EXPECT_EQ(platform.host.caretY, 200 + 30 - 15);
}

TEST_F(TextFieldTest, LongTextIsCutToWholeCharactersThatFit) {
  TextField f = makeField(u"abcdefghij", 72);  // room for 60 pixels: five letters
  EXPECT_EQ(f.visibleText, u"abcde");
  EXPECT_EQ(f.scroll, 0);
}

TEST_F(TextFieldTest, TheVisibleRunNeverStartsOrEndsInsideAPair) {
  // Each half of U+1F600 measures a whole em here (24 pixels), so the pair is 48 wide.
  const Text emoji = u"\U0001F600";
  TextField f = makeField(u"ab" + emoji + u"cd", 72);  // room for 60 pixels
  EXPECT_EQ(f.visibleText, u"ab");
  // Scrolling right steps over the pair as one character.
  f.caret = static_cast<std::int16_t>(f.length());
  f.fitText(metrics, true);
  EXPECT_NE(f.scroll, 3);
  EXPECT_FALSE(splitsPair(f.text, static_cast<std::size_t>(f.scroll)));
  // A scroll left inside a pair moves back to the pair's start.
  f.scroll = 3;
  f.fitText(metrics, false);
  EXPECT_EQ(f.scroll, 2);
  EXPECT_EQ(f.visibleText, emoji + u"c");
  // A pointer over the pair never puts the caret between its halves.
  for (int x = 100; x < 172; ++x) {
    EXPECT_NE(f.caretFromPointer(metrics, x), 1) << x;
  }
}

TEST_F(TextFieldTest, CaretKeptInTheMiddleWhileScrolling) {
  const struct {
    int scroll, caret;
    int expectedScroll;
    const char16_t* expectedVisible;
  } cases[] = {
      {0, 20, 15, u"pqrst"},   // caret at the end: scrolls until the end of the text shows
      {0, 10, 8, u"ijklm"},    // caret two places into the run
      {15, 15, 13, u"nopqr"},  // caret at the left edge: back until it is mid-run
      {15, 10, 15, u"pqrst"},  // caret left of the run: the text stays where it is
  };
  for (const auto& c : cases) {
    TextField f = makeField(u"abcdefghijklmnopqrst", 72);
    f.scroll = static_cast<std::int16_t>(c.scroll);
    f.caret = static_cast<std::int16_t>(c.caret);
    f.fitText(metrics, true);
    EXPECT_EQ(f.scroll, c.expectedScroll) << c.scroll << "," << c.caret;
    EXPECT_EQ(f.visibleText, c.expectedVisible) << c.scroll << "," << c.caret;
  }
}

TEST_F(TextFieldTest, FittingWithoutCentringNeverScrolls) {
  TextField f = makeField(u"abcdefghijklmnopqrst", 72);
  f.scroll = 3;
  f.caret = 20;
  f.fitText(metrics, false);
  EXPECT_EQ(f.scroll, 3);
  EXPECT_EQ(f.visibleText, u"defgh");
}

TEST_F(TextFieldTest, VisibleRunNeverExceedsNinetyNineUnits) {
  // Dots are so narrow that 150 of them fit the box; the run still stops at 99.
  TextField f = makeField(std::u16string(150, u'.'), 500);
  EXPECT_EQ(f.visibleText.size(), kVisibleTextCapacity);
}

TEST_F(TextFieldTest, TextIsCappedAtItsBufferSize) {
  TextField f = makeField(std::u16string(300, u'x'), 72);
  EXPECT_EQ(f.text.size(), kFieldTextCapacity);
}

TEST_F(TextFieldTest, CaretOffsetsFollowTheAlignment) {
  // Width 100, height 30: "ab" is 24 pixels wide.
  const struct {
    Align align;
    int n;
    float expected;
  } cases[] = {
      {Align::Near, 0, 0.22f * 30},         {Align::Near, 2, 0.22f * 30 + 24},
      {Align::Centre, 0, (100 - 24) / 2.f}, {Align::Centre, 2, (24 + 100) / 2.f},
      {Align::Far, 2, 100 - 0.22f * 30},    {Align::Far, 0, 100 - 0.22f * 30 - 24},
  };
  for (const auto& c : cases) {
    TextField f = makeField(u"ab", 100, c.align);
    EXPECT_FLOAT_EQ(f.caretOffset(metrics, c.n), c.expected) << static_cast<int>(c.align) << c.n;
  }
}

TEST_F(TextFieldTest, CaretFromPointerPicksTheNearestPosition) {
  // Height 50: letters 20 pixels wide, caret positions at 11, 31, 51, 71 from x.
  TextField f = makeField(u"abc", 200, Align::Near, 50);
  const struct {
    int mouseX;
    int expected;
  } cases[] = {
      {40, 0},                                 // left of the box
      {100 + 11, 0},                           // on the first position
      {100 + 21, 0},                           // exactly between 0 and 1: the lower index
      {100 + 22, 1}, {100 + 60, 2}, {900, 3},  // far right of the text
  };
  for (const auto& c : cases)
    EXPECT_EQ(f.caretFromPointer(metrics, c.mouseX), c.expected) << c.mouseX;
}

TEST_F(TextFieldTest, DisabledFocusedFieldShowsNoCaret) {
  testing::TestPlatform platform;
  TextField f = makeField(u"abc", 100);
  f.focused = true;
  f.setEnabled(false);
  f.draw(platform.headless.frame.beginFrame(), metrics, platform.loop, {});
  EXPECT_EQ(platform.host.caretX, -1);
}

TEST_F(TextFieldTest, TheSelectionIsHighlightedOnlyInTheFocusedEnabledField) {
  testing::TestPlatform platform;
  TextField f = makeField(u"abcdef", 200);
  f.anchor = 1;
  f.caret = 4;
  const struct {
    bool focused, enabled;
    std::size_t highlights;
  } cases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}};
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    f.focused = c.focused;
    f.setEnabled(c.enabled);
    f.draw(canvas, metrics, platform.loop, {});
    ASSERT_EQ(canvas.selections.size(), c.highlights) << c.focused << c.enabled;
    if (c.highlights == 0) continue;
    EXPECT_FLOAT_EQ(canvas.selections[0].x, 100 + f.caretOffset(metrics, 1));
    EXPECT_FLOAT_EQ(canvas.selections[0].w, 3 * 12.f);
  }
}

TEST_F(TextFieldTest, ACompositionIsDrawnUnderlinedAtTheCaretAndKeepsTheCandidateWindowThere) {
  testing::TestPlatform platform;
  TextField f = makeField(u"abcdef", 200);
  f.focused = true;
  f.caret = 3;
  RecordingCanvas canvas;
  f.draw(canvas, metrics, platform.loop, {}, u"XY");
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0], u"abcXYdef");
  const float start = 100 + f.caretOffset(metrics, 3);
  EXPECT_EQ(platform.host.caretX, static_cast<int>(start));
  // The underline runs below the two composed letters, the caret after them.
  bool underlined = false;
  for (const auto& l : canvas.lines) {
    underlined = underlined || (l.y1 == l.y2 && l.x1 == start && l.x2 == start + 24);
  }
  EXPECT_TRUE(underlined);

  // In a full box the composition stays whole and the text around it makes room.
  TextField full = makeField(u"abcdefgh", 72);  // five letters fit
  full.focused = true;
  full.caret = 8;
  full.fitText(metrics, true);
  RecordingCanvas fullCanvas;
  full.draw(fullCanvas, metrics, platform.loop, {}, u"XY");
  ASSERT_EQ(fullCanvas.texts.size(), 1u);
  EXPECT_EQ(fullCanvas.texts[0], u"fghXY");
}

}  // namespace
}  // namespace zarq
