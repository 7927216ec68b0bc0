#include "platform/face_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace zarq {
namespace {

// Characters beyond the first plane in face 1, CJK in face 2, the rest in the font's own.
int faceOf(char32_t c) { return c >= 0x10000 ? 1 : c >= 0x4E00 && c <= 0x9FFF ? 2 : 0; }

// Every character advances 10 pixels, 20 in face 2.
std::vector<float> positionsOf(TextView text, int face) {
  return caretPositionsByCharacter(
      text, [face](std::size_t, float start) { return start + (face == 2 ? 20.f : 10.f); });
}

TEST(FaceRunsTest, TheTextIsCutWhereTheFaceChangesAndEachCharacterIsAskedOnce) {
  const struct {
    Text text;
    std::vector<FaceRun> runs;
  } cases[] = {
      {u"", {}},
      {u"ab", {{0, 2, 0}}},
      {u"a\U0001F600b", {{0, 1, 0}, {1, 3, 1}, {3, 4, 0}}},
      {u"\U0001F600\U0001F601", {{0, 4, 1}}},
      {u"谱面ab", {{0, 2, 2}, {2, 4, 0}}},
      // A lone surrogate is a character of its own.
      {Text(u"a") + char16_t(0xD800), {{0, 2, 0}}},
  };
  for (const auto& c : cases) {
    int asked = 0;
    const std::vector<FaceRun> runs = faceRuns(c.text, [&](char32_t ch) {
      ++asked;
      return faceOf(ch);
    });
    EXPECT_EQ(runs, c.runs) << c.text.size();
    EXPECT_EQ(std::size_t(asked),
              c.text.size() - std::count_if(c.text.begin(), c.text.end(), isLowSurrogate));
  }
}

TEST(FaceRunsTest, CaretsOfAWholeLineFollowTheRunsOneAfterTheOther) {
  const Text text = u"a\U0001F600谱b";
  const std::vector<FaceRun> runs = faceRuns(text, faceOf);
  const std::vector<float> carets = joinCaretPositions(text, runs, positionsOf);
  // The low half of the pair shares its character's start.
  EXPECT_EQ(carets, (std::vector<float>{0, 10, 10, 20, 40, 50}));
  const std::vector<PlacedRun> placed =
      placeRuns(text, runs, [](TextView part, int face) { return positionsOf(part, face).back(); });
  ASSERT_EQ(placed.size(), runs.size());
  for (const PlacedRun& p : placed) {
    EXPECT_EQ(p.x, carets[p.run.begin]);
    EXPECT_EQ(p.x + p.advance, carets[p.run.end]);
  }
  EXPECT_EQ(joinCaretPositions(u"", {}, positionsOf), (std::vector<float>{0}));
}

TEST(FaceRunsTest, ALineStartsAtItsAlignmentWithTheMarginKeptAtTheEdges) {
  const RectF layout{100, 0, 200, 30};
  EXPECT_EQ(lineStart(Align::Near, layout, 80, 4), 104);
  EXPECT_EQ(lineStart(Align::Centre, layout, 80, 4), 160);
  EXPECT_EQ(lineStart(Align::Far, layout, 80, 4), 216);
}

// Families by name; a face is its family's name. The font's own is "own"; "broken" cannot be
// opened.
TEST(FaceRunsTest, EachCharacterAndEachFamilyIsAskedOnceAndFacesAreNumberedAsNeeded) {
  const std::map<char32_t, std::string> families = {
      {U'\U0001F600', "emoji"}, {U'\U0001F601', "emoji"}, {U'谱', "cjk"},  {U'面', "cjk"},
      {U'\x2603', "broken"},    {U'\xA0', "emoji"},       {U' ', "emoji"}, {U'x', "own"}};
  FaceChooser<std::string, std::string> chooser("own", "own");
  std::map<char32_t, int> askedFor;
  std::map<std::string, int> opened;
  const auto faceOf = [&](char32_t c) {
    return chooser.faceOf(
        c,
        [&](char32_t lacked) -> std::optional<std::string> {
          ++askedFor[lacked];
          const auto found = families.find(lacked);
          if (found == families.end()) return std::nullopt;
          return found->second;
        },
        [&](const std::string& family) -> std::optional<std::string> {
          ++opened[family];
          if (family == "broken") return std::nullopt;
          return family;
        });
  };
  const struct {
    char32_t c;
    int face;
  } cases[] = {
      {U'a', 0},          {U'谱', 1},     {U'\U0001F600', 2}, {U'面', 1},
      {U'\U0001F601', 2}, {U'\x2603', 0}, {U'\x2603', 0},     {U'谱', 1},
      {U'\xA0', 0},       {U' ', 0},      {U'x', 0},
  };
  for (const auto& c : cases) EXPECT_EQ(faceOf(c.c), c.face) << std::hex << int(c.c);
  EXPECT_EQ(chooser.face(0), "own");
  EXPECT_EQ(chooser.face(1), "cjk");
  EXPECT_EQ(chooser.face(2), "emoji");
  // Blanks and control characters are never asked about.
  EXPECT_EQ(askedFor.count(U'\xA0') + askedFor.count(U' '), 0u);
  for (const auto& [c, times] : askedFor) EXPECT_EQ(times, 1) << std::hex << int(c);
  EXPECT_EQ(opened, (std::map<std::string, int>{{"broken", 1}, {"cjk", 1}, {"emoji", 1}}));
}

}  // namespace
}  // namespace zarq
