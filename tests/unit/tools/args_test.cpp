#include "tools/args.h"

#include <gtest/gtest.h>

#include "tools/nearest_word.h"

namespace zarq::tool {
namespace {

constexpr Option kOptions[] = {
    {"--output", "-o", ValueKind::File, "FILE", ""},
    {"--page", nullptr, ValueKind::Page, "N", ""},
    {"--json", nullptr, ValueKind::None, "", ""},
};

// Values as the shell's tools take them, and every way of getting them wrong.
TEST(Args, OptionsTakeTheShellsForms) {
  const struct {
    Args args;
    std::map<std::string, std::string> values;
    std::vector<std::string> positional;
    std::string error;
  } cases[] = {
      {{"--page", "2", "-o", "a.png"}, {{"--page", "2"}, {"--output", "a.png"}}, {}, ""},
      {{"--page=2", "--output=a=b.png"}, {{"--page", "2"}, {"--output", "a=b.png"}}, {}, ""},
      {{"--output=", "x"}, {{"--output", ""}}, {"x"}, ""},
      {{"-o", "-", "-"}, {{"--output", "-"}}, {"-"}, ""},
      {{"--", "-x.set", "--"}, {}, {"-x.set", "--"}, ""},
      {{"-o", "--", "a.set"}, {{"--output", "--"}}, {"a.set"}, ""},
      {{"a.set", "--", "-o"}, {}, {"a.set", "-o"}, ""},
      {{"-x.set"},
       {},
       {},
       "unknown option -x.set (a file whose name begins with - comes after --)"},
      {{"--ouptut=a"}, {}, {}, "unknown option --ouptut; did you mean --output?"},
      {{"--pgae", "1"}, {}, {}, "unknown option --pgae; did you mean --page?"},
      {{"-o=a"}, {}, {}, "unknown option -o=a (a file whose name begins with - comes after --)"},
      {{"--json=yes"}, {}, {}, "option --json takes no value"},
      {{"--page"}, {}, {}, "option --page needs a value"},
      {{"a", "b", "c"}, {}, {"a", "b"}, "unexpected argument c"},
  };
  for (const auto& c : cases) {
    const ParsedArgs parsed = parseArgs(c.args, kOptions, 2);
    EXPECT_EQ(parsed.error, c.error) << c.args[0];
    if (!c.error.empty()) continue;
    EXPECT_EQ(parsed.values, c.values) << c.args[0];
    EXPECT_EQ(parsed.positional, c.positional) << c.args[0];
  }
  EXPECT_EQ(parseArgs({"--json", "-h"}, kOptions, 0).flags,
            (std::set<std::string>{"--json", "--help"}));
}

TEST(Args, NearestWordIsATypoAwayOrTheOnlyOneBegunWith) {
  const std::vector<std::string> words{"dump",   "make",     "check",   "render",
                                       "import", "songName", "chartId", "chartSongName"};
  const struct {
    std::string typed;
    std::optional<std::string> near;
  } cases[] = {
      {"dmup", "dump"},         {"chekc", "check"},       {"MAKE", "make"},
      {"rendr", "render"},      {"imp", "import"},        {"sonName", "songName"},
      {"songname", "songName"}, {"chartid", "chartId"},   {"chart", std::nullopt},
      {"x", std::nullopt},      {"delete", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(nearestWord(c.typed, words), c.near) << c.typed;
}

// A name reaches the file system as it was given and is printed readably.
TEST(Args, NamesAreTakenAsGivenAndPrintedEscapedWhereTheyAreNoUtf8) {
#ifdef _WIN32
  const struct {
    std::wstring name;
    std::string printed;
  } cases[] = {
      {L"谱面.set", "谱面.set"},
      {std::wstring(L"a") + wchar_t(0xD800) + L".set", "a\\uD800.set"},
      {std::wstring(L"b") + wchar_t(0xDFFF) + L".set", "b\\uDFFF.set"},
      {L"😀.set", "😀.set"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pathArg(argFromWide(c.name)).native(), c.name) << c.printed;
    EXPECT_EQ(pathText(c.name), c.printed);
  }
#else
  const struct {
    std::string name;
    std::string printed;
  } cases[] = {
      {"谱面.set", "谱面.set"},
      {"a\xff.set", "a\\xFF.set"},
      {"a\xfe.set", "a\\xFE.set"},
      {"\xe8\xb0.set", "\\xE8\\xB0.set"},
      {"😀\xc0\x80.set", "😀\\xC0\\x80.set"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pathArg(c.name).native(), c.name) << c.printed;
    EXPECT_EQ(pathText(c.name), c.printed);
  }
#endif
}

}  // namespace
}  // namespace zarq::tool
