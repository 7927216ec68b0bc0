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
  EXPECT_FALSE(platform.font.familyName().empty());
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

}  // namespace
}  // namespace zarq::win32
