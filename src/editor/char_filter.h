#pragma once
// The filters a typed character passes before it is inserted, as the field's row names them.

#include "widgets/text_field.h"

namespace zarq {

enum class CharVerdict {
  Insert,  // insert `character` (possibly converted: "。" to ".", "：" to ":", a-z to A-Z)
  Refuse,  // answered with a beep
  Ignore,  // a control character: dropped without a sound
};

struct FilteredChar {
  CharVerdict verdict;
  Text character;  // one unit, or the two of a surrogate pair
};

// The checks run in a fixed order; the first that refuses wins. `character` is one whole
// character: a single unit or a surrogate pair, which only free-text fields take.
FilteredChar filterTypedChar(const TextField& field, int slot, TextView character);

}  // namespace zarq
