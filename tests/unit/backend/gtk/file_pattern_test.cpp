#include "backend/gtk/file_pattern.h"

#include <fnmatch.h>
#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

TEST(FilePatternTest, FiltersMatchAsInAWindowsFileDialog) {
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.set", "a.set", true},      {"*.set", "A.SET", true}, {"*.set", "预设.Set", true},
      {"*.set", "a.set.bak", false}, {"*.set", "aset", false}, {"*.set", "a.sett", false},
      {"*.*", "a.png", true},        {"*.*", "README", true},  {"*.json", "chart.JSON", true},
  };
  for (const auto& c : cases) {
    const std::string glob = globForFilterPattern(c.pattern);
    EXPECT_EQ(fnmatch(glob.c_str(), c.name, 0) == 0, c.matches)
        << c.pattern << " as " << glob << " on " << c.name;
  }
}

}  // namespace
}  // namespace zarq::gtk
