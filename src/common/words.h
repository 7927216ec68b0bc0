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

}  // namespace zarq
