#include "common/text.h"

#include <gtest/gtest.h>

namespace zarq {
namespace {

// "a", then U+1F600 as a pair, then a lone high surrogate, "b", a lone low surrogate.
constexpr char16_t kMixed[] = {u'a', 0xD83D, 0xDE00, 0xD83D, u'b', 0xDE00, 0};

TEST(CharacterStepTest, StepsOverAPairAsOneCharacterAndOverALoneHalfAsOne) {
  const TextView text(kMixed);
  const struct {
    std::size_t from, previous, next;
  } cases[] = {
      {0, 0, 1},  // before "a"
      {1, 0, 3},  // before the pair: the step right takes both halves
      {2, 1, 3},  // inside the pair (never a caret, but a step still leaves it whole)
      {3, 1, 4},  // after the pair: the step left takes both halves
      {4, 3, 5},  // after the lone high half
      {5, 4, 6},  // before the lone low half
      {6, 5, 6},  // at the end
      {9, 5, 6},  // past the end counts as the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(previousCharacter(text, c.from), c.previous) << c.from;
    EXPECT_EQ(nextCharacter(text, c.from), c.next) << c.from;
  }
}

TEST(CharacterStepTest, OnlyAPositionBetweenTwoHalvesOfAPairSplitsIt) {
  const TextView text(kMixed);
  for (std::size_t pos = 0; pos <= text.size() + 1; ++pos) {
    EXPECT_EQ(splitsPair(text, pos), pos == 2) << pos;
  }
}

TEST(CharacterStepTest, CappedNeverKeepsHalfAPairButKeepsALoneHalfAsItWas) {
  const struct {
    std::size_t capacity;
    std::size_t kept;
  } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {99, 6}};
  for (const auto& c : cases) {
    EXPECT_EQ(capped(kMixed, c.capacity), TextView(kMixed).substr(0, c.kept)) << c.capacity;
    EXPECT_EQ(characterBoundary(kMixed, c.capacity), c.kept) << c.capacity;
  }
}

}  // namespace
}  // namespace zarq
