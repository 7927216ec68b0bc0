#pragma once
// The fuzz targets' one way to fail: a broken promise prints what broke and aborts, which
// libFuzzer records as a crash together with the input that caused it.

#include <cstdio>
#include <cstdlib>

namespace zarq::fuzz {

inline void require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
  std::abort();
}

}  // namespace zarq::fuzz
