// Every input kept in fuzz/regressions/<target>/ replayed through its target, built with the
// ordinary compiler: an input that once broke a promise must keep every promise now.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "targets.h"

namespace zarq::fuzz {
namespace {

using Target = void (*)(const std::uint8_t*, std::size_t);

struct NamedTarget {
  const char* name;
  Target run;
};

class ReplayTest : public ::testing::TestWithParam<NamedTarget> {};

TEST_P(ReplayTest, EveryKeptInputKeepsThePromises) {
  const std::filesystem::path folder =
      std::filesystem::path(ZARQ_FUZZ_REGRESSIONS) / GetParam().name;
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  ASSERT_FALSE(inputs.empty()) << folder << " keeps no input";
  for (const std::filesystem::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    std::ifstream in(input, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    // A broken promise aborts the program, naming the promise.
    GetParam().run(bytes.data(), bytes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, ReplayTest,
                         ::testing::Values(NamedTarget{"preset_reader", presetReader},
                                           NamedTarget{"chart_scan", chartScan},
                                           NamedTarget{"image_decoders", imageDecoders},
                                           NamedTarget{"monkey", monkey}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zarq::fuzz
