#include "draw/text_metrics.h"

#include <gtest/gtest.h>

#include "platform/cairo/headless_platform.h"

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
