#include "platform/file_filter.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/scoped_locale.h"

namespace zarq {
namespace {

using Globs = std::vector<std::string>;

TEST(FileFilterTest, FiltersBecomeGlobsThatMatchAsInAWindowsFileDialog) {
  // Turkish, where the C library's upper case of "i" is no ASCII letter.
  const testing::ScopedLocale turkish(LC_CTYPE, "tr_TR.UTF-8", "Turkish_Turkey.1254");
#ifndef _WIN32
  ASSERT_TRUE(turkish.active()) << "localedef could not build tr_TR.UTF-8";
#endif
  const struct {
    const char* pattern;
    Globs globs;
  } cases[] = {
      {"*.set", {"*.[sS][eE][tT]"}},
      {"*.GIF", {"*.[gG][iI][fF]"}},
      {"*.*", {"*"}},
      {"*.png;*.jpg", {"*.[pP][nN][gG]", "*.[jJ][pP][gG]"}},
      {";*.png;", {"*.[pP][nN][gG]"}},
      {"a?_1*", {"[aA]?_1*"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(globsForFilterPattern(c.pattern), c.globs) << c.pattern;
  EXPECT_EQ(mimeTypeForFilterPattern("*.set"), "application/x-zarq-preset");
  EXPECT_EQ(mimeTypeForFilterPattern("*.png"), "");
}

}  // namespace
}  // namespace zarq
