#include "image/gaussian_blur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "image/box_blur.h"
#include "support/image_files.h"

namespace zarq {
namespace {

using testing::randomImage;

// One box pass over a line, straight from its definition: a running sum over the line with
// its end pixels repeated, rounded half away from zero, low 8 bits kept. A line shorter than
// the window is summed directly, each position clamped to the line.
std::vector<int> boxLine(const std::vector<int>& v, int r) {
  const int L = static_cast<int>(v.size());
  const double iarr = 1.0 / (2 * r + 1);
  std::vector<int> out(L);
  if (L < 2 * r + 1) {
    for (int i = 0; i < L; ++i) {
      long long acc = 0;
      for (int j = i - r; j <= i + r; ++j) acc += v[std::clamp(j, 0, L - 1)];
      out[i] = static_cast<int>(std::round(acc * iarr)) & 0xFF;
    }
    return out;
  }
  const int fv = v[0], lv = v[L - 1];
  long long acc = static_cast<long long>(r + 1) * fv;
  for (int j = 0; j < r; ++j) acc += v[j];
  for (int i = 0; i <= r; ++i) {
    acc += v[i + r] - fv;
    out[i] = static_cast<int>(std::round(acc * iarr)) & 0xFF;
  }
  for (int i = r + 1; i <= L - r - 1; ++i) {
    acc += v[i + r] - v[i - r - 1];
    out[i] = static_cast<int>(std::round(acc * iarr)) & 0xFF;
  }
  for (int i = L - r; i < L; ++i) {
    acc += lv - v[i - r - 1];
    out[i] = static_cast<int>(std::round(acc * iarr)) & 0xFF;
  }
  return out;
}

// A horizontal then a vertical pass, each reading only the previous pass's output, one
// colour byte at a time.
Image referenceBox(const Image& image, int r) {
  const int w = image.getWidth(), h = image.getHeight();
  Image rows(w, h), columns(w, h);
  for (int c = 0; c < 3; ++c) {
    for (int y = 0; y < h; ++y) {
      std::vector<int> line(w);
      for (int x = 0; x < w; ++x) line[x] = (image.pixel(x, y) >> (8 * c)) & 0xFF;
      const std::vector<int> out = boxLine(line, r);
      for (int x = 0; x < w; ++x) rows.row(y)[x] |= static_cast<std::uint32_t>(out[x]) << (8 * c);
    }
    for (int x = 0; x < w; ++x) {
      std::vector<int> line(h);
      for (int y = 0; y < h; ++y) line[y] = (rows.pixel(x, y) >> (8 * c)) & 0xFF;
      const std::vector<int> out = boxLine(line, r);
      for (int y = 0; y < h; ++y)
        columns.row(y)[x] |= static_cast<std::uint32_t>(out[y]) << (8 * c);
    }
  }
  return columns;
}

Image referenceGaussian(Image image, int sigma) {
  for (int width : boxSizesForGauss(sigma)) image = referenceBox(image, (width - 1) / 2);
  return image;
}

// The index and both values of the first differing pixel, for a readable failure.
::testing::AssertionResult samePixels(const Image& actual, const Image& expected) {
  if (actual.getWidth() != expected.getWidth() || actual.getHeight() != expected.getHeight()) {
    return ::testing::AssertionFailure() << "sizes differ";
  }
  for (int y = 0; y < actual.getHeight(); ++y) {
    for (int x = 0; x < actual.getWidth(); ++x) {
      if (actual.pixel(x, y) != expected.pixel(x, y)) {
        return ::testing::AssertionFailure()
               << "at " << x << "," << y << ": " << std::hex << actual.pixel(x, y) << " instead of "
               << expected.pixel(x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(BoxSizesForGaussTest, ThreeOddWidthsApproximatingTheGaussian) {
  const struct {
    int sigma;
    std::array<int, 3> widths;
  } cases[] = {
      {0, {1, 1, 1}},        {1, {1, 1, 3}},         {2, {3, 3, 5}},         {38, {75, 75, 77}},
      {53, {105, 105, 107}}, {133, {265, 265, 267}}, {-53, {105, 105, 107}},
  };
  for (const auto& c : cases) EXPECT_EQ(boxSizesForGauss(c.sigma), c.widths) << c.sigma;
}

TEST(GaussianBlurTest, MatchesTheStraightforwardDefinitionExactly) {
  const struct {
    int width, height, sigma;
  } cases[] = {
      {37, 23, 1}, {37, 23, 3}, {64, 40, 6}, {133, 61, 10}, {41, 130, 12},
      {9, 7, 5},   {5, 3, 4},   {1, 1, 3},   {1, 50, 7},    {50, 1, 7},
  };
  for (const auto& c : cases) {
    const Image original = randomImage(c.width, c.height, c.width * 31 + c.sigma);
    Image blurred = original;
    gaussianBlur(blurred, c.sigma);
    EXPECT_TRUE(samePixels(blurred, referenceGaussian(original, c.sigma)))
        << c.width << "x" << c.height << " sigma " << c.sigma;
  }
}

TEST(GaussianBlurTest, MatchesTheDefinitionOnTheFullFrameAtThePreviewSigmas) {
  for (int sigma : {38, 53, 133}) {
    const Image original = randomImage(960, 720, sigma);
    Image blurred = original;
    gaussianBlur(blurred, sigma);
    EXPECT_TRUE(samePixels(blurred, referenceGaussian(original, sigma))) << sigma;
  }
}

TEST(GaussianBlurTest, SigmaZeroChangesOnlyTheFourthByte) {
  const Image original = randomImage(20, 10, 5, true);
  Image blurred = original;
  gaussianBlur(blurred, 0);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(blurred.pixel(x, y), original.pixel(x, y) & 0xFFFFFF);
  }
}

// Every kernel, every radius of the preview's range and some far beyond it, on bytes that
// reach the largest sums (where an inexact division would show first) as well as on ordinary
// ones.
TEST(BoxBlurTest, EveryKernelMatchesTheDefinitionForEveryRadius) {
  const BoxBlurKernel kernels[] = {BoxBlurKernel::Portable, BoxBlurKernel::Avx2,
                                   BoxBlurKernel::Avx512};
  std::vector<int> radii;
  for (int r = 0; r <= 134; ++r) radii.push_back(r);
  for (int r : {255, 256, 511, 700, 1023}) radii.push_back(r);
  for (int r : radii) {
    const int width = 2 * r + 37;
    const Image inputs[] = {
        randomImage(width, 3, r, true),
        testing::makeImage(width, 3, [&](int x, int y) { return x * 7 + y == 0 ? 0u : 0xFFFFFFu; }),
        testing::makeImage(
            width, 3,
            [r](int x, int y) {
              return static_cast<std::uint32_t>((x * 13 + y * 5 + r) % 16) * 0x010101u ^ 0xFFFFFFu;
            }),
    };
    for (const Image& input : inputs) {
      const Image expected = referenceBox(input, r);
      for (BoxBlurKernel kernel : kernels) {
        if (!boxBlurKernelRuns(kernel, r)) continue;
        Image blurred = input;
        const int radii[] = {r};
        boxBlurs(blurred, blurred, radii, kernel, 1);
        ASSERT_TRUE(samePixels(blurred, expected))
            << "radius " << r << " kernel " << static_cast<int>(kernel);
      }
    }
  }
}

// Chains whose boxes are taller or wider than the picture, of one pixel, or far apart in size:
// each box must see every row of the one before it exactly as a separate blur would leave
// it, in place and into another image, in one part or in two side by side.
TEST(BoxBlurTest, ABoxChainEqualsItsBoxesOneAfterAnother) {
  const struct {
    int width, height;
    std::vector<int> radii;
  } cases[] = {
      {40, 31, {1, 2, 3}},     {23, 57, {9, 9, 10}}, {17, 12, {5, 0, 30}},    {9, 3, {4, 1}},
      {64, 200, {53, 53, 54}}, {1, 19, {2, 7}},      {7, 300, {130, 1, 400}}, {300, 2, {700, 109}},
  };
  const BoxBlurKernel kernels[] = {BoxBlurKernel::Portable, BoxBlurKernel::Avx2,
                                   BoxBlurKernel::Avx512};
  for (const auto& c : cases) {
    const Image original = randomImage(c.width, c.height, c.height * 7 + c.width, true);
    Image expected = original;
    for (int r : c.radii) expected = referenceBox(expected, r);
    for (BoxBlurKernel kernel : kernels) {
      for (int parts : {0, 1, 2}) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " kernel "
                                          << static_cast<int>(kernel) << " parts " << parts);
        // Parts 0: in place.
        Image blurred = parts == 0 ? original : Image(3, 3);
        std::vector<int> timesFinished(static_cast<std::size_t>(c.width) * c.height);
        std::mutex seen;
        boxBlurs(parts == 0 ? blurred : original, blurred, c.radii, kernel, std::max(parts, 1),
                 [&](int y, int x, int count) {
                   const std::lock_guard lock(seen);
                   for (int i = x; i < x + count; ++i) {
                     ++timesFinished[static_cast<std::size_t>(y) * c.width + i];
                     EXPECT_EQ(blurred.pixel(i, y), expected.pixel(i, y)) << i << "," << y;
                   }
                 });
        ASSERT_TRUE(samePixels(blurred, expected));
        EXPECT_EQ(std::count(timesFinished.begin(), timesFinished.end(), 1),
                  static_cast<long>(timesFinished.size()));
      }
    }
  }
}

}  // namespace
}  // namespace zarq
