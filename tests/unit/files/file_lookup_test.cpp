#include "files/file_lookup.h"

#include <gtest/gtest.h>

#include "common/case_fold.h"
#include "common/paths.h"
#include "common/utf.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

TEST(CaseFold, FoldsTheLettersOfEachSupportedScriptAndNothingElse) {
  const struct {
    TextView a, b;
    bool equal;
  } cases[] = {
      {u"DEMO.PNG", u"demo.png", true},
      {u"Ärger Ÿ.WAV", u"ärger ÿ.wav", true},
      {u"ŁÓDŹ", u"łódź", true},
      {u"ΣΟΦΊΑ", u"σοφία", true},
      {u"ΣΣ", u"σς", true},  // final and other sigma fold alike
      {u"МУЗЫКА", u"музыка", true},
      {u"ＰＮＧ", u"ｐｎｇ", true},
      {u"ỆẞA", u"ệẞa", true},
      {u"\u212A", u"k", true},  // Kelvin sign
      {u"曲绘.png", u"曲绘.PNG", true},
      {u"a😀", u"A😀", true},
      {u"İ", u"i", false},  // no simple folding: dotted capital I is its own letter
      {u"ab", u"abc", false},
      {u"a-b", u"a_b", false},
      {u"ß", u"ss", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(equalIgnoringCase(c.a, c.b), c.equal) << toUtf8(c.a) << " / " << toUtf8(c.b);
  }
}

TEST(FileLookup, TheExactNameFirstElseTheOneEntryThatDiffersOnlyInCase) {
  testing::TempDir dir;
  for (const char* name : {"exact.PNG", "exact.png", "demo.png", "twice.png", "TWICE.png",
                           "Лето.ogg", "folder.JSON"}) {
    if (std::string(name) == "folder.JSON")
      std::filesystem::create_directory(dir / name);
    else
      dir.write(name, name);
  }
  const struct {
    TextView asked;
    const char* found;  // the file name the lookup gives
  } cases[] =
      {
          {u"exact.PNG", "exact.PNG"},     {u"exact.png", "exact.png"},
          {u"demo.PNG", "demo.png"},       {u"DEMO.png", "demo.png"},
          {u"twice.PNG", "twice.PNG"},  // two candidates: neither, so the name as asked
          {u"ЛЕТО.OGG", "Лето.ogg"},       {u"folder.json", "folder.JSON"},
          {u"missing.PNG", "missing.PNG"},
      };
  for (const auto& c : cases) {
#ifdef _WIN32
    // The file system ignores case itself: the name as asked opens the file.
    const std::filesystem::path expected = dir / pathFromText(c.asked);
#else
    const std::filesystem::path expected = dir / pathFromText(fromUtf8(c.found));
#endif
    EXPECT_EQ(findFile(osFileSystem(), dir.path(), c.asked), expected) << toUtf8(c.asked);
  }
}

}  // namespace
}  // namespace zarq
