#include "backend/gtk/file_pattern.h"

#include <fnmatch.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "support/scoped_locale.h"

namespace zarq::gtk {
namespace {

TEST(FilePatternTest, FiltersMatchAsInAWindowsFileDialog) {
  // Turkish, where the C library's upper case of "i" is no ASCII letter.
  const testing::ScopedLocale turkish(LC_CTYPE, "tr_TR.UTF-8", "");
  ASSERT_TRUE(turkish.active()) << "localedef could not build tr_TR.UTF-8";
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.set", "a.set", true},       {"*.set", "A.SET", true},
      {"*.set", "预设.Set", true},    {"*.set", "a.set.bak", false},
      {"*.set", "aset", false},       {"*.set", "a.sett", false},
      {"*.*", "a.png", true},         {"*.*", "README", true},
      {"*.json", "chart.JSON", true}, {"*.png;*.jpg", "a.JPG", true},
      {"*.png;*.jpg", "a.png", true}, {"*.png;*.jpg", "a.gif", false},
      {";*.png;", "a.png", true},     {"*.gif", "AVATAR.GIF", true},
      {"*.gif", "a.gIf", true},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> globs = globsForFilterPattern(c.pattern);
    const bool matched = std::any_of(globs.begin(), globs.end(), [&](const std::string& glob) {
      return fnmatch(glob.c_str(), c.name, 0) == 0;
    });
    EXPECT_EQ(matched, c.matches) << c.pattern << " on " << c.name;
  }
}

}  // namespace
}  // namespace zarq::gtk
