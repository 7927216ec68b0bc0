#include "tools/completion.h"

#include <gtest/gtest.h>

namespace zarq::tool {
namespace {

using Words = std::vector<std::string>;

TEST(Completion, OffersCommandsOptionsAndFieldsWhereTheyFit) {
  const struct {
    Words line;  // after "zarq-preset", the last word being typed
    Words offered;
  } cases[] = {
      {{"d"}, {"dump"}},
      {{""}, {"render", "dump", "make", "check", "import", "history", "restore", "help"}},
      {{"--v"}, {"--version"}},
      {{"help", "c"}, {"check"}},
      {{"help", "check", ""}, {}},
      {{"render", "--p"}, {"--page", "--preset"}},
      {{"render", "--page", ""}, {"1", "2", "3", "4", "5", "6"}},
      {{"render", "--page=3"}, {"--page=3"}},
      {{"render", "-o", ""}, {}},
      {{"make", "-"}, {"--help", "--output"}},
      {{"dump", "--fields", "songN"}, {"songName", "songNameSplit"}},
      {{"dump", "--fields=chartI"}, {"--fields=chartId"}},
      {{"dump", "--fields", "songName,chartI"}, {"songName,chartId"}},
      {{"dump", "--fields", "chartId,chartI"}, {}},
      {{"dump", "--", "--f"}, {}},
      {{"dump", "a.set", ""}, {}},
      {{"bogus", "--"}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(completions(c.line), c.offered) << c.line.back();
}

}  // namespace
}  // namespace zarq::tool
