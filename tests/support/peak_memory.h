#pragma once
// The process's own account of its peak memory, to show that work on a large input stays
// within bounds. Linux keeps a peak resident size that can be reset; elsewhere there is none.

#include <cstddef>

namespace zarq::testing {

// Makes the current resident size the peak; false where the system cannot.
bool resetPeakMemory();
// The resident size now, in bytes.
std::size_t currentMemory();
// How far the peak resident size since the last reset rose above `before` (a current size read
// after that reset), in bytes. The kernel counts resident pages in per-thread batches, so the
// peak can read a few pages below a size read later: that counts as no growth.
std::size_t peakGrowthSince(std::size_t before);

}  // namespace zarq::testing
