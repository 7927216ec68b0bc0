#pragma once
// Letter case as file systems that ignore it see it: Unicode simple case folding, one UTF-16
// unit at a time, for the scripts names are usually written in (Latin, Greek, Cyrillic,
// Armenian and the full-width Latin letters).

#include "common/text.h"

namespace zarq {

// The folded form of one unit ("A" -> "a", "Ä" -> "ä", "Σ" and "ς" -> "σ"); any other unit,
// a surrogate half included, is itself.
char16_t foldCase(char16_t unit);
// Whether two texts differ at most in the case of their letters.
bool equalIgnoringCase(TextView a, TextView b);

}  // namespace zarq
