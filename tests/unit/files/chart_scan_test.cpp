#include "files/chart_scan.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

// Finds `key` in the minified chart and reads the number after it; nullopt when not found.
std::optional<double> numberAfter(std::string_view chart, std::string_view key) {
  const std::string minified = minifyChart(chart);
  ChartStream stream{minified};
  if (!findKey(stream, key)) return std::nullopt;
  return readKeyNumber(stream);
}

TEST(ChartScanTest, MinifyDropsWhitespaceOutsideStringsOnly) {
  const struct {
    std::string chart, minified;
  } cases[] = {
      {"{ \"bpm\" :\t120 ,\r\n \"x\": 1 }", "{\"bpm\":120,\"x\":1}"},
      {"{\"name\": \"a b\tc\"}", "{\"name\":\"a b\tc\"}"},
      // An escaped quote does not end the string; the escape is kept as written.
      {"{\"s\": \"say \\\" hi\" }", "{\"s\":\"say \\\" hi\"}"},
      // A line end inside a string ends it; the rest of the line is outside a string.
      {"{\"s\": \"broken\n, \"t\": 1}", "{\"s\":\"broken,\"t\":1}"},
      {"\"a\\\nb c\"", "\"a\\bc\""},
      // The end of the file ends the copy, also inside a string.
      {"{\"s\": \"open to the end ", "{\"s\":\"open to the end "},
  };
  for (const auto& c : cases) EXPECT_EQ(minifyChart(c.chart), c.minified) << c.chart;
}

TEST(ChartScanTest, KeysMatchByteForByte) {
  const struct {
    std::string chart;
    std::optional<double> bpm;
  } cases[] = {
      {"{\"bpm\" : 120}", 120},              // spaces around the colon vanish in the copy
      {"{\"BPM\": 120}", std::nullopt},      // case matters
      {"{\"bpmfactor\": 2}", std::nullopt},  // a longer key only begins with bpm
      {"{\"bpmfactor\": 2, \"bpm\": 96}", 96},
      {"{\"x\":\"b\",\"bpm\":7}", 7},  // a partial match just before the key
  };
  for (const auto& c : cases) EXPECT_EQ(numberAfter(c.chart, "\"bpm\":"), c.bpm) << c.chart;
}

TEST(ChartScanTest, AMismatchingByteDoesNotStartANewMatch) {
  // "ab" mismatches at the second "a", which is not retried as the start of "ab".
  ChartStream stream{"aab"};
  EXPECT_FALSE(findKey(stream, "ab"));
  ChartStream again{"acab"};
  EXPECT_TRUE(findKey(again, "ab"));
  EXPECT_TRUE(again.atEnd());
}

TEST(ChartScanTest, FindKeyContinuesFromThePosition) {
  ChartStream stream{"\"v\":1,\"v\":2"};
  ASSERT_TRUE(findKey(stream, "\"v\":"));
  EXPECT_EQ(readKeyNumber(stream), 1);
  ASSERT_TRUE(findKey(stream, "\"v\":"));
  EXPECT_EQ(readKeyNumber(stream), 2);
  EXPECT_FALSE(findKey(stream, "\"v\":"));
  stream.rewind();
  EXPECT_TRUE(findKey(stream, "\"v\":"));
}

TEST(ChartScanTest, NumbersAfterAKey) {
  const struct {
    std::string value;
    double number;
  } cases[] = {
      {"120}", 120}, {"120.5,", 120.5}, {"-3.25]", -3.25}, {"1.5e2}", 150}, {"2.5e-1}", 0.25},
      {"1e5}", 1},   {"abc}", 0},       {".5}", 0.5},      {"0.0e400}", 0},
  };
  for (const auto& c : cases) {
    ChartStream stream{c.value};
    EXPECT_DOUBLE_EQ(readKeyNumber(stream), c.number) << c.value;
  }
}

TEST(ChartScanTest, TheByteEndingANumberIsConsumed) {
  ChartStream stream{"12,x"};
  readKeyNumber(stream);
  EXPECT_EQ(stream.get(), 'x');
}

TEST(ChartScanTest, StringValuesAreUnescapedAndDecoded) {
  const struct {
    std::string chart;
    Text value;
  } cases[] = {
      {R"({"name":"Zarq Radoziro"})", u"Zarq Radoziro"},
      {R"({"name":"say \"hi\""})", u"say \"hi\""},
      {R"({"name":"line\nnext"})", u"linennext"},
      {R"({"name":"back\\slash"})", u"back\\slash"},
      {R"({"name":"\u00e9"})", u"u00e9"},
      {"{\"name\":\"曲名\"}", u"曲名"},
      {"{\"name\":\"\xF0\x9F\x8E\xB5 note\"}", u"\U0001F3B5 note"},
      {"{\"name\":\"cut at the line end\nrest\"}", u"cut at the line end"},
      {std::string("{\"name\":\"cut at a NUL\0rest\"}", 28), u"cut at a NUL"},
  };
  for (const auto& c : cases) {
    ChartStream stream{c.chart};
    Text value = u"untouched";
    ASSERT_TRUE(readKeyString(stream, "\"name\":\"", value)) << c.chart;
    EXPECT_EQ(value, c.value) << c.chart;
  }
}

TEST(ChartScanTest, InvalidUtf8GivesAnEmptyValueAndOneLineOnStderr) {
  ChartStream stream{"{\"name\":\"bad \xC3\x28 byte\"}"};
  Text value = u"untouched";
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(readKeyString(stream, "\"name\":\"", value));
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(value, u"");
  EXPECT_FALSE(err.empty());
  EXPECT_EQ(err.back(), '\n');
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST(ChartScanTest, AMissingStringKeyLeavesTheDestinationAlone) {
  ChartStream stream{R"({"other":"x"})"};
  Text value = u"untouched";
  EXPECT_FALSE(readKeyString(stream, "\"name\":\"", value));
  EXPECT_EQ(value, u"untouched");
}

TEST(ChartScanTest, LongValuesAreCutAtNinetyNineUnitsWithoutSplittingAPair) {
  const std::string longValue = "\"k\":\"" + std::string(150, 'x') + "\"";
  ChartStream stream{longValue};
  Text value;
  ASSERT_TRUE(readKeyString(stream, "\"k\":\"", value));
  EXPECT_EQ(value, Text(99, u'x'));

  // 98 units and then a pair: the pair does not fit and is left out whole.
  const std::string pairAtTheCut = "\"k\":\"" + std::string(98, 'x') + "\xF0\x9F\x8E\xB5\"";
  ChartStream pair{pairAtTheCut};
  ASSERT_TRUE(readKeyString(pair, "\"k\":\"", value));
  EXPECT_EQ(value, Text(98, u'x'));
}

// Stripping sixteen bytes at a time, as long pieces are, strips as byte by byte does, whatever
// falls where: strings and escapes across the sixteens, line ends in and out of strings.
TEST(ChartScanTest, StrippingLongPiecesStripsAsByteByByte) {
  const char alphabet[] = {' ', '\t', '\n', '\r', '"', '"', '\\', 'a', 'b', ':', ',', '{'};
  std::mt19937 random(3);
  for (int chart = 0; chart < 200; ++chart) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += alphabet[random() % sizeof alphabet];
    std::string byteByByte;
    ChartMinifier minifier;
    for (char c : text) minifier.feed(std::string_view(&c, 1), byteByByte);
    ASSERT_EQ(minifyChart(text), byteByByte) << chart;
  }
}

// A file read through a stripping stream gives the bytes its stripped copy would hold, in
// blocks of any size, and again after a rewind.
TEST(ChartScanTest, AStrippingStreamReadsWhatTheStrippedCopyHolds) {
  testing::TempDir dir;
  const std::string chart =
      "{ \"a\" :\t1,\r\n  \"s\": \"x y\\\"\n z\" ,\n" + std::string(300, ' ') + "\"t\": \"end ";
  const std::filesystem::path file = dir.write("chart.json", chart);
  for (std::size_t block : {std::size_t{1}, std::size_t{3}, ChartStream::kBlockSize}) {
    const FileHandle in = openRegularFile(file);
    ChartStream stream(in.get(), block, Strip::Yes);
    for (int pass = 0; pass < 2; ++pass) {
      std::string read;
      for (int c = stream.get(); c != -1; c = stream.get()) read.push_back(static_cast<char>(c));
      EXPECT_EQ(read, minifyChart(chart)) << block << " " << pass;
      stream.rewind();
    }
    EXPECT_FALSE(stream.failed());
  }
}

}  // namespace
}  // namespace zarq
