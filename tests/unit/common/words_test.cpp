#include "common/words.h"

#include <gtest/gtest.h>

namespace zarq {
namespace {

// "ab 中文cd, 😀ef１２": the emoji is two units (9 and 10), full-width digits are letters.
const Text kMixed = u"ab 中文cd, \U0001F600ef１２";

TEST(WordsTest, CtrlRightEndsAtTheNextRunOfLettersOrOneCjkCharacter) {
  const struct {
    std::size_t from, to;
  } cases[] = {
      {0, 2}, {1, 2}, {2, 4}, {3, 4}, {4, 5}, {5, 7}, {7, 15}, {10, 15}, {15, 15},
  };
  for (const auto& c : cases) EXPECT_EQ(nextWordEnd(kMixed, c.from), c.to) << c.from;
}

TEST(WordsTest, CtrlLeftStartsAtThePreviousRunOfLettersOrOneCjkCharacter) {
  const struct {
    std::size_t from, to;
  } cases[] = {
      {15, 11}, {11, 5}, {10, 5},  // from inside the emoji's pair as from before it
      {7, 5},   {5, 4},  {4, 3},  {3, 0}, {2, 0}, {0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(previousWordStart(kMixed, c.from), c.to) << c.from;
}

// A screen reader's word: the word and what follows it up to the next; its characters count a
// pair of surrogates as one.
TEST(WordsTest, AWordReadAloudRunsToTheNextWordAndPairsCountOnce) {
  const struct {
    std::size_t at, from, to;
  } cases[] = {{0, 0, 3}, {2, 0, 3}, {3, 3, 4}, {5, 5, 11}, {9, 5, 11}, {14, 11, 15}, {15, 11, 15}};
  for (const auto& c : cases) {
    EXPECT_EQ(wordAround(kMixed, c.at), std::pair(c.from, c.to)) << c.at;
  }
  EXPECT_EQ(characterIndex(kMixed, 11), 10);
  EXPECT_EQ(unitOfCharacter(kMixed, 10), 11u);
  EXPECT_EQ(unitOfCharacter(kMixed, 99), kMixed.size());
}

// A screen reader's offsets count characters; careless ones are kept within the text.
TEST(WordsTest, ReadersRangesAreWholeCharactersWithinTheText) {
  const struct {
    int from, to;
    std::size_t unitFrom, unitTo;
  } spans[] = {{0, -1, 0, 15}, {9, 10, 9, 11}, {5, 99, 5, 15}, {12, 3, 3, 3}, {-4, 2, 0, 2}};
  for (const auto& c : spans) {
    EXPECT_EQ(unitsOfCharacters(kMixed, c.from, c.to), std::pair(c.unitFrom, c.unitTo)) << c.from;
  }
  const struct {
    int at;
    ReadingUnit unit;
    int from, to;
  } around[] = {
      {9, ReadingUnit::Character, 9, 10}, {14, ReadingUnit::Character, 14, 14},
      {-1, ReadingUnit::Character, 0, 1}, {9, ReadingUnit::Word, 5, 10},
      {10, ReadingUnit::Word, 10, 14},    {3, ReadingUnit::Line, 0, 14},
  };
  for (const auto& c : around) {
    EXPECT_EQ(charactersAround(kMixed, c.at, c.unit), std::pair(c.from, c.to)) << c.at;
  }
}

TEST(WordsTest, AccentedAndCyrillicLettersJoinTheirWordsAndPunctuationSeparates) {
  const Text text = u"café—мир。ok";
  EXPECT_EQ(nextWordEnd(text, 0), 4u);
  EXPECT_EQ(nextWordEnd(text, 4), 8u);
  EXPECT_EQ(previousWordStart(text, text.size()), 9u);
  EXPECT_EQ(previousWordStart(text, 9), 5u);
}

}  // namespace
}  // namespace zarq
