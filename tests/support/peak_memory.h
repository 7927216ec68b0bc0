#pragma once
// The process's own account of its peak memory, to show that work on a large input stays
// within bounds. Linux keeps a peak resident size that can be reset; elsewhere there is none.

#include <cstddef>

namespace zarq::testing {

// Makes the current resident size the peak; false where the system cannot.
bool resetPeakMemory();
// The peak resident size since the last reset, in bytes.
std::size_t peakMemory();
// The resident size now, in bytes.
std::size_t currentMemory();

}  // namespace zarq::testing
