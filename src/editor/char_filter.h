#pragma once
// The per-field filters a typed character passes before it is inserted.

#include "draw/text_field.h"

namespace zarq {

enum class CharVerdict {
  Insert,  // insert `unit` (possibly converted: "。" to ".", "：" to ":", a-z to A-Z)
  Refuse,  // answered with a beep
  Ignore,  // a control character: dropped without a sound
};

struct FilteredChar {
  CharVerdict verdict;
  char16_t unit;
};

// The checks run in a fixed order; the first that refuses wins.
FilteredChar filterTypedChar(const TextField& field, int slot, char16_t unit);

}  // namespace zarq
