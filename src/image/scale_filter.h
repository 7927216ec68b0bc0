#pragma once
// The weights of the resampler along one axis: for each output position, a run of
// consecutive source positions and their 14-bit fixed-point weights, which add up to exactly
// 1 so that a flat colour stays flat.

#include <climits>
#include <cstdint>
#include <vector>

namespace zarq {

inline constexpr int kWeightBits = 14;

struct ScaleTaps {
  // Output i reads source positions first[i] .. first[i] + count[i] - 1 with the weights at
  // offset[i]; padded[i] is count[i] rounded up to even, the extra weight 0, so the kernels
  // can take the taps in pairs. A count of 0 means the position lies outside the picture.
  std::vector<int> first, count, padded, offset;
  std::vector<std::int16_t> weights;
  int lowest = INT_MAX, highest = -1;  // the source positions read by any output
  int largestCount = 0;

  bool readsNothing() const { return highest < lowest; }
};

// Positions offset .. offset + outputs - 1 of sourceSize positions scaled to fullSize: a
// Catmull-Rom cubic, widened by the shrink factor when shrinking, the picture's edge repeated
// beyond it.
ScaleTaps makeScaleTaps(int sourceSize, long long fullSize, long long offset, int outputs);

}  // namespace zarq
