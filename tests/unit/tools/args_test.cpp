#include "tools/args.h"

#include <gtest/gtest.h>

namespace zarq::tool {
namespace {

TEST(Args, DoubleDashEndsTheOptions) {
  const struct {
    Args args;
    std::vector<std::string> positional;
    std::string error;
  } cases[] = {
      {{"-x.set"}, {}, "unknown option -x.set (a file whose name begins with - comes after --)"},
      {{"--", "-x.set", "--"}, {"-x.set", "--"}, ""},
      {{"-o", "--", "a.set"}, {"a.set"}, ""},
      {{"a.set", "--", "-o"}, {"a.set", "-o"}, ""},
  };
  for (const auto& c : cases) {
    const ParsedArgs parsed = parseArgs(c.args, {"-o"}, {}, 5);
    EXPECT_EQ(parsed.positional, c.positional) << c.args[0];
    EXPECT_EQ(parsed.error, c.error) << c.args[0];
  }
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
