#include "image/gaussian_blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/numbers.h"
#include "image/box_blur.h"

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

void gaussianBlur(Image& image, int sigma) {
  std::vector<int> radii;
  for (int width : boxSizesForGauss(sigma)) {
    // A box of one pixel changes nothing.
    if (width > 1) radii.push_back((width - 1) / 2);
  }
  if (radii.empty()) radii.push_back(0);
  boxBlurs(image, radii);
}

}  // namespace zarq
