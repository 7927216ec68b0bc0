#pragma once
// Word steps for Ctrl+Left and Ctrl+Right: a word is a run of letters and digits, or one
// CJK character on its own, as the eye reads mixed Latin and Chinese text. Steps go over
// whole characters, so a surrogate pair is never split.

#include <cstddef>

#include "common/text.h"

namespace zarq {

// The start of the word at or before `pos`, skipping what lies between words first.
std::size_t previousWordStart(TextView text, std::size_t pos);
// The end of the word at or after `pos`, skipping what lies between words first.
std::size_t nextWordEnd(TextView text, std::size_t pos);

}  // namespace zarq
