#pragma once
// The fuzz targets' one way to fail: a broken promise prints what broke and aborts, which
// libFuzzer records as a crash together with the input that caused it. Also the checks on
// text that more than one target makes.

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "common/text.h"

namespace zarq::fuzz {

inline void require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
  std::abort();
}

// Whether `text` holds half of a surrogate pair without the other half.
inline bool hasLoneSurrogate(TextView text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      ++i;
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      return true;
    }
  }
  return false;
}

}  // namespace zarq::fuzz
