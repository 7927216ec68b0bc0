#include "app/gtk/command_line.h"

#include <gtest/gtest.h>
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "app/gtk/chinese_messages.h"

namespace zarq::gtk {
namespace {

using Action = EditorCommandLine::Action;

TEST(CommandLineTest, OnlyHelpAndVersionAreTheEditorsOwn) {
  const struct {
    std::vector<std::string> args;
    Action action;
    const char* problem;
  } cases[] = {
      {{}, Action::Run, ""},
      {{"--help"}, Action::Help, ""},
      {{"-h"}, Action::Help, ""},
      {{"--version"}, Action::Version, ""},
      {{"--bogus"}, Action::Refuse, "unknown option '--bogus' (see zarq-settings --help)"},
      {{"save.set"}, Action::Refuse, "unexpected argument 'save.set' (see zarq-settings --help)"},
      {{"--help", "x"}, Action::Refuse, "unexpected argument 'x' (see zarq-settings --help)"},
  };
  for (const auto& c : cases) {
    const EditorCommandLine line = readCommandLine(c.args);
    EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.args);
    EXPECT_EQ(line.problem, c.problem);
    EXPECT_EQ(line.problem.find('\n'), std::string::npos);
  }
  EXPECT_TRUE(editorVersion().starts_with("zarq-settings "));
}

// GTK's dialogs take their words from its catalogue; in the plain C locale of a server or
// a test, gettext would give the English ones.
TEST(ChineseMessagesTest, GtkSpeaksChineseInTheCLocale) {
  const std::filesystem::path catalogue = "/usr/share/locale/zh_CN/LC_MESSAGES/gtk30.mo";
  if (!std::filesystem::exists(catalogue)) GTEST_SKIP() << "no Chinese catalogue of GTK";
  std::setlocale(LC_ALL, "C");
  bindtextdomain("gtk30", "/usr/share/locale");
  bind_textdomain_codeset("gtk30", "UTF-8");
  useChineseMessages();
  EXPECT_STREQ(dgettext("gtk30", "_Cancel"), "取消(_C)");
  std::setlocale(LC_ALL, "C");
  unsetenv("LANGUAGE");
}

}  // namespace
}  // namespace zarq::gtk
