#include "app/gtk/chinese_messages.h"

#include <gtest/gtest.h>
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "backend/gtk/held_theme.h"

namespace zarq::gtk {
namespace {

// GTK's dialogs take their words from its catalogue; in the plain C locale of a server or
// a test, gettext would give the English ones. Until GTK shows something of its own, its
// catalogues stay unread.
TEST(ChineseMessagesTest, GtkSpeaksChineseInTheCLocaleOnceItShowsItsOwn) {
  const std::filesystem::path catalogue = "/usr/share/locale/zh_CN/LC_MESSAGES/gtk30.mo";
  if (!std::filesystem::exists(catalogue)) GTEST_SKIP() << "no Chinese catalogue of GTK";
  std::setlocale(LC_ALL, "C");
  bindtextdomain("gtk30", "/usr/share/locale");
  bind_textdomain_codeset("gtk30", "UTF-8");
  useChineseMessages();
  EXPECT_STREQ(dgettext("gtk30", "_Cancel"), "_Cancel");
  releaseTheme();
  EXPECT_STREQ(dgettext("gtk30", "_Cancel"), "取消(_C)");
  std::setlocale(LC_ALL, "C");
  unsetenv("LANGUAGE");
  unsetenv("PANGO_LANGUAGE");
}

}  // namespace
}  // namespace zarq::gtk
