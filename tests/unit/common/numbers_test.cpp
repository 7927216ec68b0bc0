#include "common/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "files/chart_fill.h"
#include "support/scoped_locale.h"

namespace zarq {
namespace {

std::string printed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

TEST(NumberText, UsesAPointWhateverTheLocale) {
  // German, whose decimal mark is a comma.
  testing::ScopedLocale comma(LC_NUMERIC, "de_DE.UTF-8", "German_Germany.1252");
#ifdef _WIN32
  if (!comma.active() || printed(0.5) != "0,5") GTEST_SKIP() << "no comma locale here";
#else
  ASSERT_TRUE(comma.active()) << "localedef could not build de_DE.UTF-8";
  // The locale really is in force: the C library itself now prints a comma.
  ASSERT_EQ(printed(0.5), "0,5");
#endif

  ChartValues fastChart;
  fastChart.meanBpm = 450.0;  // folded to 225 for the hold animation
  const struct {
    Text got, expected;
  } printedCases[] = {
      {fixedText(0.8, 1), u"0.8"},
      {fixedText(1, 1), u"1.0"},
      {fixedText(225, 2), u"225.00"},
      {fixedText(-0.25, 1), u"-0.2"},
      {fixedText(1234567.891, 2), u"1234567.89"},
      {intText(-42), u"-42"},
      {intText(1000000), u"1000000"},
      {zeroPaddedText(12, 7), u"0000012"},
      {zeroPaddedText(-12, 7), u"-000012"},
      {zeroPaddedText(123456789, 7), u"123456789"},
      {chartFill(fastChart).holdBpm.value_or(u"none"), u"225.00"},
  };
  for (const auto& c : printedCases) EXPECT_EQ(c.got, c.expected);

  const struct {
    TextView text;
    double value;
  } readCases[] = {
      {u"0.8", 0.8}, {u" -1.5e2x", -150}, {u"0,8", 0}, {u"12,5", 12}, {u"+.5", 0.5},
  };
  for (const auto& c : readCases) EXPECT_DOUBLE_EQ(leadingDouble(c.text), c.value);
}

TEST(Numbers, RoundingSaturatesBeyondALongLong) {
  EXPECT_EQ(roundHalfAway(3e38), std::numeric_limits<long long>::max());
  EXPECT_EQ(roundHalfAway(-3e38), std::numeric_limits<long long>::min());
  EXPECT_EQ(roundHalfAway(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(roundHalfAway(-2.5), -3);
}

}  // namespace
}  // namespace zarq
