#pragma once
// One box of the background blur, in place: every row is replaced by its running average
// over 2r + 1 pixels, then every column of that result. Beyond its ends a line repeats its
// end pixels. Each colour byte is averaged on its own and rounded half away from zero; the
// fourth byte of every pixel becomes 0.
//
// Every kernel gives the same bytes; they differ only in speed.

#include "image/image.h"

namespace zarq {

enum class BoxBlurKernel { Portable, Avx2 };

// Whether the kernel can blur with this radius on this machine. The portable one always can.
bool boxBlurKernelRuns(BoxBlurKernel kernel, int radius);

// With the fastest kernel that runs.
void boxBlur(Image& image, int radius);
void boxBlur(Image& image, int radius, BoxBlurKernel kernel);

}  // namespace zarq
