// A chart far larger than any real one is dropped and imported in a few blocks of memory, and
// read by zarq-preset's import so too.

#include <gtest/gtest.h>

#include <fstream>

#include "editor/drop.h"
#include "files/chart_fill.h"
#include "support/form_fixture.h"
#include "support/peak_memory.h"

namespace zarq {
namespace {

constexpr std::uintmax_t kChartSize = 200'000'000;
constexpr std::uintmax_t kCompanionChartSize = 1'000'000'000;
constexpr std::size_t kMemoryBound = 64 << 20;

// A chart of `size` bytes with keys at both ends. The middle is a hole of the file, so the
// chart costs next to nothing on disk; it reads as zero bytes, which the stripped copy keeps.
void writeLargeChart(const std::filesystem::path& file, std::uintmax_t size = kChartSize) {
  const std::string head =
      R"({"ZarqVersion":120,"bpm":100,"name":"大文件","level":"IN Lv.15","background":"cover.png",)";
  const std::string tail = R"(,"bpm":200,"composer":"末尾"})";
  std::ofstream(file, std::ios::binary) << head;
  std::filesystem::resize_file(file, size - tail.size());
  std::ofstream(file, std::ios::binary | std::ios::app) << tail;
}

class LargeChartTest : public testing::FormTest {};

TEST_F(LargeChartTest, ATwoHundredMegabyteChartImportsInBoundedMemory) {
  if (!testing::resetPeakMemory()) GTEST_SKIP() << "no peak resident size to read here";
  const std::filesystem::path chart = dir / "large.json";
  writeLargeChart(chart);
  ASSERT_EQ(std::filesystem::file_size(chart), kChartSize);
  platform.host.answers.push_back(MessageAnswer::Yes);

  ASSERT_TRUE(testing::resetPeakMemory());
  const std::size_t before = testing::currentMemory();
  handleDrop(*form, {chart});
  const std::size_t growth = testing::peakGrowthSince(before);

  ASSERT_EQ(platform.host.messages.size(), 1u);
  EXPECT_EQ(platform.host.messages[0].text, u"收到谱面辣！\n要Pim酱帮你填信息嘛 (。-ω-)");
  EXPECT_EQ(field(slot::chartId).text, u"large");
  EXPECT_EQ(field(slot::songName).text, u"大文件");
  EXPECT_EQ(field(slot::difficulty).text, u"IN");
  EXPECT_EQ(field(slot::level).text, u"15");
  EXPECT_EQ(field(slot::illustrationExt).text, u"PNG");
  // Both ends were read: the tempo is the mean of the first and the last entry.
  EXPECT_EQ(field(slot::holdBpm).text, u"150.00");
  EXPECT_EQ(field(slot::composer).text, u"末尾");
  EXPECT_LT(growth, kMemoryBound) << growth / (1 << 20) << " MB more at the peak";
}

// zarq-preset reads the chart itself, stripping it block by block on every pass.
TEST_F(LargeChartTest, AGigabyteChartIsScannedForTheCompanionInBoundedMemory) {
  if (!testing::resetPeakMemory()) GTEST_SKIP() << "no peak resident size to read here";
  const std::filesystem::path chart = dir / "gigabyte.json";
  writeLargeChart(chart, kCompanionChartSize);

  ASSERT_TRUE(testing::resetPeakMemory());
  const std::size_t before = testing::currentMemory();
  const std::optional<ChartValues> values = scanChartFile(chart, Strip::Yes);
  const std::size_t growth = testing::peakGrowthSince(before);

  ASSERT_TRUE(values);
  EXPECT_EQ(values->name, u"大文件");
  EXPECT_EQ(values->composer, u"末尾");
  EXPECT_EQ(values->meanBpm, 150);
  EXPECT_LT(growth, kMemoryBound) << growth / (1 << 20) << " MB more at the peak";
  std::printf("a %ju-byte chart scanned with %zu KB more at the peak\n", kCompanionChartSize,
              growth >> 10);
}

}  // namespace
}  // namespace zarq
