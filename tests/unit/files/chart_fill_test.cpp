#include "files/chart_fill.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/utf.h"
#include "files/level_split.h"
#include "support/chart_by_key.h"

namespace zarq {
namespace {

std::string bpmChart(std::initializer_list<const char*> bpms) {
  std::string chart = "{\"ZarqVersion\": 120, \"judgeLineList\": [";
  for (const char* bpm : bpms) chart += std::string("{\"bpm\" : ") + bpm + ", \"notes\": []},";
  return chart + "]}";
}

// The mean of every entry folded into 90 to 270, left alone where no mean can be folded: no
// entry, a mean of 0 or below, and a mean too large for a double would halve or double forever.
// Longer keys that begin with "bpm" are no entries, nor is "BPM".
TEST(HoldBpm, IsTheMeanOfAllEntriesFoldedIntoNinetyToTwoHundredSeventy) {
  const struct {
    std::string chart;
    std::optional<Text> holdBpm;
  } cases[] = {
      {bpmChart({"120", "240"}), u"180.00"},
      {bpmChart({"600"}), u"150.00"},
      {bpmChart({"45"}), u"90.00"},
      {bpmChart({"89"}), u"178.00"},
      {bpmChart({"270"}), u"270.00"},
      {bpmChart({"90"}), u"90.00"},
      {bpmChart({"271"}), u"135.50"},
      {bpmChart({"100", "100", "101"}), u"100.33"},
      {bpmChart({"1.5e2"}), u"150.00"},
      {"{\"bpmfactor\":1000,\"bpm\":120,\"BPM\":999}", u"120.00"},
      {"{\"name\":\"x\"}", std::nullopt},
      {bpmChart({"0"}), std::nullopt},
      {bpmChart({"-120"}), std::nullopt},
      {bpmChart({"120", "-120"}), std::nullopt},
      {bpmChart({"1.0e999"}), std::nullopt},
      {bpmChart({"abc"}), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(chartFillFromBytes(c.chart).holdBpm, c.holdBpm) << c.chart;
}

// More entries than one pass keeps: their mean is found in a pass of its own.
TEST(HoldBpm, IsTheMeanOfMoreEntriesThanOnePassKeeps) {
  std::string chart;
  for (int i = 0; i < (1 << 20) + 1; ++i) chart += i % 2 ? "\"bpm\":100," : "\"bpm\":200,";
  EXPECT_EQ(chartFillFromBytes(chart).holdBpm, u"150.00");
}

TEST(FoldBpm, EndsInTheRangesTheFoldingPromises) {
  const struct {
    double mean, folded;
  } cases[] = {{1000, 250},       {540.5, 135.125}, {270.0001, 135.00005},
               {89.999, 179.998}, {1, 128},         {0.001, 131.072},
               {200, 200}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(foldBpm(c.mean).value_or(-1), c.folded) << c.mean;
}

TEST(MediaSuffix, IsTheUpperCasedTextAfterTheLastDot) {
  const struct {
    const char16_t* name;
    const char16_t* suffix;
  } cases[] = {
      {u"12345.jpg", u"JPG"}, {u"music.Mp3", u"MP3"}, {u"bg", u"BG"},      {u"", u""},
      {u"a.tar.ogg", u"OGG"}, {u"曲绘.pNg", u"PNG"},  {u"trailing.", u""}, {u"x.é1", u"é1"},
  };
  for (const auto& c : cases) EXPECT_EQ(mediaSuffix(c.name), c.suffix) << toUtf8(c.name);
}

TEST(SplitLevel, SeparatesDifficultyAndLevel) {
  const struct {
    const char16_t* text;
    const char16_t* difficulty;
    const char16_t* level;
  } cases[] = {
      {u"IN  Lv.15", u"IN", u"15"},
      {u"HD Lv14", u"HD", u"14"},
      {u"AT15", u"AT", u"15"},
      {u"SP?", u"SP", u"?"},
      {u"Special", u"Special", u""},
      {u"EZ  Lv.3", u"EZ", u"3"},
      {u"IN Lv", u"IN", u"Lv"},
      {u"hd lV.7", u"hd", u"7"},
      {u"IN  ", u"IN", u""},
      {u"IN 15", u"IN", u"15"},
      {u"IN Lx", u"IN", u"Lx"},
      {u"AT Lv.", u"AT", u""},
      {u"Legacy Level 2", u"Legacy", u"Level 2"},
      {u"A", u"A", u""},
      {u"", u"", u""},
      {u"7", u"7", u""},
      {u"A7", u"A", u"7"},
      {u"IN5", u"IN", u"5"},
      {u"123", u"1", u"23"},
      {u" 15", u" ", u"15"},
      {u"15 ", u"15 ", u""},
  };
  for (const auto& c : cases) {
    const LevelSplit split = splitLevel(c.text);
    EXPECT_EQ(split.difficulty, c.difficulty) << toUtf8(c.text);
    EXPECT_EQ(split.level, c.level) << toUtf8(c.text);
  }
}

TEST(SplitLevel, ChartLevelLineRebuildsTheUsualForm) {
  EXPECT_EQ(chartLevelLine(splitLevel(u"EZ  Lv.3")), u"EZ  Lv.3");
  EXPECT_EQ(chartLevelLine(splitLevel(u"AT15")), u"AT  Lv.15");
  EXPECT_EQ(chartLevelLine(splitLevel(u"Special")), u"Special  Lv.");
}

TEST(ChartFill, TakesTheFirstOccurrenceOfEveryStringKey) {
  const ChartFill fill = chartFillFromBytes(R"json({
    "name" : "Sigma (Haocore Mix)", "composer": "曲师", "charter":"谱\"师",
    "level": "IN  Lv.15", "background": "cover.jpeg", "song": "audio.ogg",
    "name": "second", "level": "EZ  Lv.1"
  })json");
  EXPECT_EQ(fill.songName, u"Sigma (Haocore Mix)");
  EXPECT_EQ(fill.composer, u"曲师");
  EXPECT_EQ(fill.charter, u"谱\"师");
  ASSERT_TRUE(fill.level);
  EXPECT_EQ(fill.level->difficulty, u"IN");
  EXPECT_EQ(fill.level->level, u"15");
  EXPECT_EQ(fill.illustrationExt, u"JPEG");
  EXPECT_EQ(fill.audioExt, u"OGG");
}

TEST(ChartFill, KeysThatDoNotOccurGiveNoValue) {
  const ChartFill fill = chartFillFromBytes("{\"Name\":\"upper case\",\"song\":\"a.wav\"}");
  EXPECT_FALSE(fill.songName);
  EXPECT_FALSE(fill.composer);
  EXPECT_FALSE(fill.charter);
  EXPECT_FALSE(fill.level);
  EXPECT_FALSE(fill.illustrationExt);
  EXPECT_FALSE(fill.holdBpm);
  EXPECT_EQ(fill.audioExt, u"WAV");
}

TEST(ChartFill, LongValuesAreCutAt99UnitsAndWideCharactersBecomeSurrogatePairs) {
  const std::string longName(150, 'n');
  const ChartFill fill =
      chartFillFromBytes("{\"name\":\"" + longName + "\",\"composer\":\"\xF0\x9F\x8E\xB5 x\"}");
  EXPECT_EQ(fill.songName, Text(99, u'n'));
  EXPECT_EQ(fill.composer, u"\U0001F3B5 x");
}

// Charts pieced together at random from keys, their fragments, numbers, escapes and line ends,
// so that matches overlap, break off, follow one another without a byte between and are cut
// by the ends of the pieces the chart arrives in: the one pass finds what a scan per key
// finds, whole and in pieces of any size.
TEST(ChartFill, OnePassFindsWhatAScanPerKeyFinds) {
  const std::vector<std::string> parts = {
      "\"bpm\":",
      "\"bpm\"",
      "\"bp",
      "\"name\":\"",
      "\"na",
      "\"song\":\"",
      "\"so",
      "\"level\":\"",
      "\"background\":\"",
      "\"charter\":\"",
      "\"composer\":\"",
      "\"co",
      "\"",
      "\"\"",
      "12",
      "-3",
      ".5",
      "e2",
      "e-1",
      "x",
      ":",
      ",",
      " ",
      "\\",
      "\\\"",
      "\n",
      "\r",
      "\xC3\xA9",
      "\xC3",
  };
  std::mt19937 random(5);
  for (int chart = 0; chart < 3000; ++chart) {
    std::string text;
    const int count = 1 + static_cast<int>(random() % 80);
    for (int i = 0; i < count; ++i) text += parts[random() % parts.size()];
    const std::string minified = minifyChart(text);
    ChartStream stream{minified};
    const ChartValues expected = testing::scanKeyByKey(stream);
    ASSERT_TRUE(testing::sameValues(scanChart(minified), expected)) << text;
    const std::size_t piece = 1 + random() % 20;
    ASSERT_TRUE(testing::sameValues(testing::scanInPieces(minified, piece), expected))
        << text << " in pieces of " << piece;
  }
}

}  // namespace
}  // namespace zarq
