#pragma once
// Box blurs of the background, in place: every row is replaced by its running average over
// 2r + 1 pixels, then every column of that result. Beyond its ends a line repeats its end
// pixels. Each colour byte is averaged on its own and rounded half away from zero; the
// fourth byte of every pixel becomes 0. A radius of 0 changes only the fourth bytes.
//
// Every kernel, and any number of bands, gives the same bytes; they differ only in speed.

#include <span>

#include "image/image.h"

namespace zarq {

enum class BoxBlurKernel { Portable, Avx2 };

// Whether the kernel can blur with this radius on this machine. The portable one always can.
bool boxBlurKernelRuns(BoxBlurKernel kernel, int radius);

// Boxes of these radii one after another, with the fastest kernel that runs and as many
// bands of rows, each blurred on a thread of its own, as suit the image and the machine.
void boxBlurs(Image& image, std::span<const int> radii);
// With this kernel where it runs (the portable one elsewhere) and this many bands.
void boxBlurs(Image& image, std::span<const int> radii, BoxBlurKernel kernel, int bands);

}  // namespace zarq
