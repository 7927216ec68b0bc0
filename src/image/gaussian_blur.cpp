#include "image/gaussian_blur.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace zarq {

std::array<int, 3> boxSizesForGauss(int sigma) {
  sigma = std::clamp(sigma, -kMaxBlurSigma, kMaxBlurSigma);
  const double variance12 = 12.0 * sigma * sigma;
  const double idealWidth = std::sqrt(variance12 / 3 + 1);
  int lower = static_cast<int>(std::floor(idealWidth));
  if (lower % 2 == 0) --lower;
  const int upper = lower + 2;
  const long long lowerCount =
      roundHalfAway((variance12 - 3.0 * lower * lower - 12.0 * lower - 9) / (-4.0 * lower - 4));
  std::array<int, 3> widths{};
  for (int k = 0; k < 3; ++k) widths[k] = k < lowerCount ? lower : upper;
  return widths;
}

void gaussianBlur(Image& image, int sigma) { gaussianBlur(image, image, sigma); }

void gaussianBlur(const Image& source, Image& destination, int sigma,
                  const FinishedSpan& finished) {
  std::array<int, 3> radii{};
  const std::array<int, 3> widths = boxSizesForGauss(sigma);
  for (std::size_t k = 0; k < widths.size(); ++k) radii[k] = (widths[k] - 1) / 2;
  boxBlurs(source, destination, radii, finished);
}

}  // namespace zarq
