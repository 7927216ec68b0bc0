#include "widgets/text_metrics.h"

#include <gtest/gtest.h>

#include "support/headless.h"

namespace zarq {
namespace {

class TextMetricsTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  TextMetrics metrics{platform.text};
};

TEST_F(TextMetricsTest, TightWidthOfNothingIsZeroAndOfSpacesPositive) {
  EXPECT_EQ(metrics.measureTextTight(u"", 24), 0);
  EXPECT_EQ(metrics.measureText(u"", 24), 0);
  EXPECT_GT(metrics.measureTextTight(u"   ", 24), 0);
  // Trailing spaces count in the layout width as well.
  EXPECT_GT(metrics.measureText(u"ab  ", 24), metrics.measureText(u"ab", 24));
}

TEST_F(TextMetricsTest, LayoutWidthCarriesAMarginOfOneSixthEmAtEachEnd) {
  for (float size : {14.4f, 24.f, 40.f}) {
    const float tight = metrics.measureTextTight(u"谱面ID", size);
    EXPECT_NEAR(metrics.measureText(u"谱面ID", size) - tight, size / 3, 0.5) << size;
  }
}

TEST_F(TextMetricsTest, TightWidthsAddUpWithinAPixel) {
  const struct {
    const char16_t* a;
    const char16_t* b;
  } cases[] = {{u"Zarq ", u"Radoziro"}, {u"曲名", u"分行"}, {u"1000", u"000"}, {u"Tip:", u" "}};
  for (const auto& c : cases) {
    const std::u16string joined = std::u16string(c.a) + c.b;
    EXPECT_NEAR(metrics.measureTextTight(joined, 24),
                metrics.measureTextTight(c.a, 24) + metrics.measureTextTight(c.b, 24), 1.0);
  }
}

TEST_F(TextMetricsTest, TheTitleUsesAnInstalledFamily) {
  // Without a usable family every width would collapse to the margins alone.
  const float width = metrics.measureTextTight(u"Zarq Radoziro 设置填写器", 40);
  EXPECT_GT(width, 300);
  EXPECT_LT(width, 650);
}

}  // namespace
}  // namespace zarq

namespace zarq {
namespace {

TEST_F(TextMetricsTest, CaretPositionsAgreeWithMeasuredRuns) {
  const std::u16string text = u"Zarq 曲名😀 Lv.15";  // one character outside the BMP
  const std::vector<float>& at = metrics.caretPositions(text, 24);
  ASSERT_EQ(at.size(), text.size() + 1);
  EXPECT_EQ(at[0], 0);
  for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i], at[i - 1]) << i;
  for (std::size_t k : {std::size_t{1}, std::size_t{4}, std::size_t{5}, std::size_t{7},
                        std::size_t{9}, text.size()}) {
    EXPECT_NEAR(at[k], metrics.measureTextTight(std::u16string_view(text).substr(0, k), 24), 1.0)
        << k;
  }
  // Both halves of the surrogate pair start at the same place.
  EXPECT_EQ(at[7], at[8]);
}

}  // namespace
}  // namespace zarq
