#include "backend/win32/gdiplus_text.h"

#include <gtest/gtest.h>

#include "support/headless.h"

namespace zarq::win32 {
namespace {

class GdiplusTextTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
};

TEST_F(GdiplusTextTest, AFamilyWithChineseIsFound) {
  // The editor's own family, a Windows interface family, or the fallback Wine can see.
  EXPECT_GT(platform.text.layoutWidth(u"设置填写器", 40), 150);
}

TEST_F(GdiplusTextTest, LayoutWidthIsTheAdvanceAndAMarginOfOneSixthEmAtEachEnd) {
  for (const char16_t* text : {u"Zarq Radoziro", u"谱面ID", u"1000"}) {
    for (float size : {14.4f, 24.f, 40.f}) {
      const std::vector<float> carets = platform.text.caretPositions(text, size);
      EXPECT_NEAR(platform.text.layoutWidth(text, size) - carets.back(), size / 3, size / 10)
          << size;
    }
  }
  EXPECT_EQ(platform.text.layoutWidth(u"", 24), 0);
}

TEST_F(GdiplusTextTest, CaretPositionsRiseFromZeroOneUnitAtATime) {
  const Text text = u"ab 谱面 ";
  const std::vector<float> carets = platform.text.caretPositions(text, 24);
  ASSERT_EQ(carets.size(), text.size() + 1);
  EXPECT_EQ(carets.front(), 0);
  for (std::size_t i = 1; i < carets.size(); ++i) EXPECT_GT(carets[i], carets[i - 1]) << i;
  // The trailing space counts.
  EXPECT_GT(carets.back() - carets[carets.size() - 2], 3);
}

TEST_F(GdiplusTextTest, BothHalvesOfASurrogatePairShareOneCaret) {
  const Text text = u"a\U0001F600b";
  const std::vector<float> carets = platform.text.caretPositions(text, 24);
  ASSERT_EQ(carets.size(), 5u);
  EXPECT_EQ(carets[2], carets[1]);
  EXPECT_GT(carets[3], carets[2]);
  EXPECT_GT(carets[4], carets[3]);
}

// GDI+ draws a character its family lacks as a box; the font draws it in an installed family
// that has it (under Wine the test machine's Symbola, on Windows Segoe UI Emoji).
TEST_F(GdiplusTextTest, ACharacterTheFamilyLacksIsDrawnInAnotherFamilyThatHasIt) {
  const Text text = u"a\U0001F600b";
  const std::vector<FaceRun> runs = platform.font.faceRuns(text);
  ASSERT_EQ(runs.size(), 3u) << "no installed family has U+1F600";
  EXPECT_EQ(runs[0].face, 0);
  EXPECT_NE(runs[1].face, 0);
  EXPECT_EQ(runs[2].face, 0);
  EXPECT_EQ(runs[1].begin, 1u);
  EXPECT_EQ(runs[1].end, 3u);

  // The runs follow each other, measured and drawn alike.
  const std::vector<float> carets = platform.text.caretPositions(text, 40);
  const std::vector<PlacedRun> placed = platform.text.placeRuns(text, 40);
  EXPECT_NEAR(placed[2].x, carets[3], 0.01);
  EXPECT_NEAR(platform.text.layoutWidth(text, 40) - carets.back(), 2 * platform.text.margin(40),
              0.01);

  // Drawn, the emoji is no box: it differs from a character no family has.
  const auto drawn = [&](TextView shown) {
    Canvas& canvas = platform.frame.beginFrame();
    canvas.drawText(shown, 40, {0, 0, 200, 60}, Align::Centre, 0xFFFFFFFF);
    platform.frame.present();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 200; ++x) pixels.push_back(platform.frame.pixel(x, y));
    }
    return pixels;
  };
  EXPECT_NE(drawn(u"\U0001F600"), drawn(u"\U0010FFFD"));
}

}  // namespace
}  // namespace zarq::win32
