#include "files/chart_version.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/file_system.h"
#include "support/chart_by_key.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

using Key = ChartVersion::Key;
using testing::versionKeyByKey;

constexpr ChartVersion missing{Key::Missing};
constexpr ChartVersion withoutForm{Key::WithoutForm};
constexpr ChartVersion found(int version) { return {Key::Found, version}; }

}  // namespace

void PrintTo(const ChartVersion& v, std::ostream* out) {
  *out << "key " << static_cast<int>(v.key) << ", version " << v.version;
}

namespace {

// Every chart is read from a file in blocks of several sizes, so that each key and value is
// cut at every place.
void expectVersion(const testing::TempDir& dir, const std::string& chart, ChartVersion expected) {
  const std::filesystem::path file = dir.write("chart.json", chart);
  for (std::size_t block : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                            std::size_t{16}, ChartStream::kBlockSize}) {
    const FileHandle in = openRegularFile(file);
    ChartStream stream(in.get(), block);
    EXPECT_EQ(readChartVersion(stream), expected) << chart << " in blocks of " << block;
  }
}

TEST(ChartVersionTest, KeyFormsBlanksAndValues) {
  const struct {
    std::string chart;
    ChartVersion version;
  } cases[] = {
      {"", missing},
      {"{}", missing},
      {"{\"zarqversion\":120}", missing},
      {"{ZarqVersion:120}", missing},
      {"{\"ZarqVersion\":120}", found(120)},
      {"{\"ZarqVersion\" : 120}", found(120)},
      {"{\"ZarqVersion\" :120}", withoutForm},
      {"{\"ZarqVersion\"\n:120}", withoutForm},
      // Blanks after the colon are skipped, line ends are not.
      {"{\"ZarqVersion\": \t 118.5}", found(119)},
      {"{\"ZarqVersion\" :  \t107,", found(107)},
      {"{\"ZarqVersion\":\n118}", found(0)},
      {"{\"ZarqVersion\":-104.5}", found(-105)},
      {"{\"ZarqVersion\":\"130\"}", found(0)},
      {"{\"ZarqVersion\":1e5}", found(1)},
      {"{\"ZarqVersion\":9.5e99}", found(1'000'000'000)},
      {"{\"ZarqVersion\":-9.5e99}", found(-1'000'000'000)},
      {"\"ZarqVersion\" : 121", found(121)},
      // The first form wins wherever it stands; the second counts only without it.
      {"{\"ZarqVersion\":120, \"ZarqVersion\" : 110}", found(120)},
      {"{\"ZarqVersion\" : 110, \"ZarqVersion\":120}", found(120)},
      {"\"ZarqVersion\" : 5\"ZarqVersion\":7", found(7)},
      {"\"ZarqVersion\" : \"ZarqVersion\":9", found(9)},
      {"{\"ZarqVersion\" : 110, \"ZarqVersion\" : 120}", found(110)},
      // A byte that breaks a match is not tried as the start of another.
      {"\"\"ZarqVersion\":130", missing},
      {"\"ZarqVersion\"\"ZarqVersion\":5", withoutForm},
      {"\"ZarqVersion\" \"ZarqVersion\" : 5", withoutForm},
      {"\"ZarqVersion\" :\"ZarqVersion\":5", found(5)},
      {"\"Zarq\"ZarqVersion\":5", missing},
  };
  const testing::TempDir dir;
  for (const auto& c : cases) {
    ChartStream chart{c.chart};
    ASSERT_EQ(versionKeyByKey(chart), c.version) << c.chart;
    expectVersion(dir, c.chart, c.version);
  }
}

// Charts made of pieces of the key in random order read as the definition reads them.
TEST(ChartVersionTest, RandomChartsReadAsOneScanPerKey) {
  const std::string_view keys[] = {"\"ZarqVersion\"", "Zarq", "Version"};
  const std::string_view bytes = "\"\":: \t12.e-x";
  std::mt19937 random(7);
  const testing::TempDir dir;
  for (int n = 0; n < 400; ++n) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
      text += random() % 3 == 0 ? keys[random() % 3] : bytes.substr(random() % bytes.size(), 1);
    }
    ChartStream chart{text};
    expectVersion(dir, text, versionKeyByKey(chart));
  }
}

}  // namespace
}  // namespace zarq
