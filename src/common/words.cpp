#include "common/words.h"

#include <algorithm>

namespace zarq {
namespace {

enum class CharClass { Between, Letter, Cjk };

constexpr bool in(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

CharClass classOf(char32_t c) {
  if (in(c, U'0', U'9') || in(c, U'A', U'Z') || in(c, U'a', U'z')) return CharClass::Letter;
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return CharClass::Between;
  if (in(c, 0x3040, 0x30FF) || in(c, 0x3400, 0x4DBF) || in(c, 0x4E00, 0x9FFF) ||
      in(c, 0xAC00, 0xD7AF) || in(c, 0xF900, 0xFAFF) || in(c, 0x20000, 0x3FFFF)) {
    return CharClass::Cjk;  // kana, ideographs, Hangul syllables
  }
  // Full-width digits and Latin letters read as letters; the rest of the full-width
  // block, general and CJK punctuation, symbols and emoji lie between words.
  if (in(c, 0xFF10, 0xFF19) || in(c, 0xFF21, 0xFF3A) || in(c, 0xFF41, 0xFF5A)) {
    return CharClass::Letter;
  }
  if (in(c, 0x2000, 0x2BFF) || in(c, 0x3000, 0x303F) || in(c, 0xFE30, 0xFE4F) ||
      in(c, 0xFF00, 0xFFEF) || in(c, 0xD800, 0xDFFF) || c >= 0x10000) {
    return CharClass::Between;
  }
  return CharClass::Letter;  // Latin with accents, Greek, Cyrillic and other alphabets
}

CharClass classBefore(TextView text, std::size_t pos) {
  return classOf(codePointAt(text, previousCharacter(text, pos)));
}

}  // namespace

std::size_t previousWordStart(TextView text, std::size_t pos) {
  pos = characterBoundary(text, pos);
  while (pos > 0 && classBefore(text, pos) == CharClass::Between) {
    pos = previousCharacter(text, pos);
  }
  if (pos == 0) return 0;
  if (classBefore(text, pos) == CharClass::Cjk) return previousCharacter(text, pos);
  while (pos > 0 && classBefore(text, pos) == CharClass::Letter) {
    pos = previousCharacter(text, pos);
  }
  return pos;
}

std::size_t nextWordEnd(TextView text, std::size_t pos) {
  pos = characterBoundary(text, pos);
  while (pos < text.size() && classOf(codePointAt(text, pos)) == CharClass::Between) {
    pos = nextCharacter(text, pos);
  }
  if (pos == text.size()) return pos;
  if (classOf(codePointAt(text, pos)) == CharClass::Cjk) return nextCharacter(text, pos);
  while (pos < text.size() && classOf(codePointAt(text, pos)) == CharClass::Letter) {
    pos = nextCharacter(text, pos);
  }
  return pos;
}

std::pair<std::size_t, std::size_t> wordAround(TextView text, std::size_t pos) {
  const std::size_t start =
      previousWordStart(text, pos < text.size() ? nextCharacter(text, pos) : pos);
  const std::size_t end = nextWordEnd(text, start);
  const std::size_t after = nextWordEnd(text, end);
  return {start, after > end ? previousWordStart(text, after) : text.size()};
}

int characterIndex(TextView text, std::size_t unit) {
  int characters = 0;
  for (std::size_t i = 0; i < unit && i < text.size(); i = nextCharacter(text, i)) ++characters;
  return characters;
}

std::size_t unitOfCharacter(TextView text, int character) {
  std::size_t unit = 0;
  for (int i = 0; i < character && unit < text.size(); ++i) unit = nextCharacter(text, unit);
  return unit;
}

std::pair<std::size_t, std::size_t> unitsOfCharacters(TextView text, int from, int to) {
  const int count = characterIndex(text, text.size());
  if (to < 0 || to > count) to = count;
  return {unitOfCharacter(text, std::clamp(from, 0, to)), unitOfCharacter(text, to)};
}

std::pair<int, int> charactersAround(TextView text, int at, ReadingUnit unit) {
  const int count = characterIndex(text, text.size());
  at = std::clamp(at, 0, count);
  switch (unit) {
    case ReadingUnit::Character:
      return {at, std::min(at + 1, count)};
    case ReadingUnit::Word: {
      const auto [from, to] = wordAround(text, unitOfCharacter(text, at));
      return {characterIndex(text, from), characterIndex(text, to)};
    }
    case ReadingUnit::Line:
      break;
  }
  return {0, count};
}

}  // namespace zarq
