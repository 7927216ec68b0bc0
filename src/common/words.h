#pragma once
// Word steps for Ctrl+Left and Ctrl+Right: a word is a run of letters and digits, or one
// CJK character on its own, as the eye reads mixed Latin and Chinese text. Steps go over
// whole characters, so a surrogate pair is never split.

#include <cstddef>
#include <utility>

#include "common/text.h"

namespace zarq {

// The start of the word at or before `pos`, skipping what lies between words first.
std::size_t previousWordStart(TextView text, std::size_t pos);
// The end of the word at or after `pos`, skipping what lies between words first.
std::size_t nextWordEnd(TextView text, std::size_t pos);

// The word at `pos` with what follows it up to the next word, as a screen reader reads word
// by word: [first, second).
std::pair<std::size_t, std::size_t> wordAround(TextView text, std::size_t pos);

// A screen reader counts characters, a pair of surrogates as one: the characters before unit
// `unit`, and the unit where character `character` starts.
int characterIndex(TextView text, std::size_t unit);
std::size_t unitOfCharacter(TextView text, int character);

// Characters `from` to `to` as a screen reader asks for them, in units: an end below 0 or past
// the text is its end, and the start lies between 0 and the end.
std::pair<std::size_t, std::size_t> unitsOfCharacters(TextView text, int from, int to);

// What a screen reader reads at once: one character, a word with the blanks after it, or the
// line, which is the whole of a one-line field.
enum class ReadingUnit { Character, Word, Line };
// The characters [first, second) of the `unit` around character `at` (kept within the text).
std::pair<int, int> charactersAround(TextView text, int at, ReadingUnit unit);

}  // namespace zarq
