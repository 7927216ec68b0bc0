#pragma once
// Which UTF-16 units count as printable text, for typing and pasting.

#include <algorithm>

#include "common/text.h"

namespace zarq {

// False for the control characters (C0, DEL, C1) and the line and paragraph separators;
// true for everything else, surrogate halves included, so that a character outside the
// Basic Multilingual Plane arrives as its two units.
constexpr bool isPrintable(char16_t unit) {
  if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) return false;
  return unit != 0x2028 && unit != 0x2029;
}

// Whether a name is one that could be typed: a file name may hold a line end or a tab here,
// which would be drawn across the rows below its field.
constexpr bool isTypable(TextView name) {
  return std::all_of(name.begin(), name.end(), isPrintable);
}

}  // namespace zarq
