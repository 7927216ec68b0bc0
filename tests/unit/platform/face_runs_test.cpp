#include "platform/face_runs.h"

#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace zarq
