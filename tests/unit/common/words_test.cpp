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

TEST(WordsTest, AccentedAndCyrillicLettersJoinTheirWordsAndPunctuationSeparates) {
  const Text text = u"café—мир。ok";
  EXPECT_EQ(nextWordEnd(text, 0), 4u);
  EXPECT_EQ(nextWordEnd(text, 4), 8u);
  EXPECT_EQ(previousWordStart(text, text.size()), 9u);
  EXPECT_EQ(previousWordStart(text, 9), 5u);
}

}  // namespace
}  // namespace zarq
