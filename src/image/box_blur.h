#pragma once
// Box blurs of the background: every row is replaced by its running average over 2r + 1
// pixels, then every column of that result. Beyond its ends a line repeats its end
// pixels. Each colour byte is averaged on its own and rounded half away from zero; the
// fourth byte of every pixel becomes 0. A radius of 0 changes only the fourth bytes.
//
// Every kernel gives the same bytes; they differ only in speed.

#include <cstdint>
#include <functional>
#include <span>

#include "image/image.h"

namespace zarq {

enum class BoxBlurKernel { Portable, Avx2, Avx512 };

// Whether the kernel can blur with this radius on this machine. The portable one always can.
bool boxBlurKernelRuns(BoxBlurKernel kernel, int radius);

// Called with each span of a row, columns [x, x + count) of row y, as soon as it is written
// to the destination, while it is still in the cache; from either thread when the blur is
// shared with the helper thread, on spans that never overlap.
using FinishedSpan = std::function<void(int y, int x, int count)>;

// Boxes of these radii one after another, from `source` into `destination`, which becomes
// the source's size, with the fastest kernel that runs for each box; a large picture in two
// halves side by side, one on the helper thread unless it is put off. The destination may be
// the source itself.
void boxBlurs(const Image& source, Image& destination, std::span<const int> radii,
              const FinishedSpan& finished = {});
// With this kernel where it runs (the portable one elsewhere), in one or two parts (always
// one in place).
void boxBlurs(const Image& source, Image& destination, std::span<const int> radii,
              BoxBlurKernel kernel, int parts, const FinishedSpan& finished = {});

}  // namespace zarq
