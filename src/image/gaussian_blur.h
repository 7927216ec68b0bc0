#pragma once
// The background blur: three box blurs whose widths approximate a Gaussian of the given
// sigma, each a horizontal then a vertical pass.

#include <array>

#include "image/box_blur.h"
#include "image/image.h"

namespace zarq {

// Larger sigmas are treated as this one; the preview never asks for more than 133.
inline constexpr int kMaxBlurSigma = 1000;

// The widths of the three boxes, each odd: sigma 0 gives 1, 1, 1 (no blur), 53 gives 105,
// 105, 107.
std::array<int, 3> boxSizesForGauss(int sigma);

// Blurs the colour bytes of every pixel in place; the fourth byte of each pixel becomes 0.
void gaussianBlur(Image& image, int sigma);
// The same from `source` into `destination`, handing each finished span to `finished`.
void gaussianBlur(const Image& source, Image& destination, int sigma,
                  const FinishedSpan& finished = {});

}  // namespace zarq
