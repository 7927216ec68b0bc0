#include "image/box_blur.h"

#include <algorithm>

#include "image/box_blur_rows.h"

namespace zarq {
namespace {

std::uint32_t byteOf(std::uint32_t pixel, int channel) { return (pixel >> (8 * channel)) & 0xFF; }

// Plain C++ for any machine and any radius: 32-bit sums, one pixel at a time.
class PortableRows {
 public:
  using Sum = std::uint32_t;

  PortableRows(int width, int radius)
      : width_(width), radius_(radius), reciprocal_(reciprocalOf(2 * radius + 1)) {}

  void blurRow(const std::uint32_t* in, std::uint32_t* out) const {
    Sum sum[3];
    for (int c = 0; c < 3; ++c) {
      sum[c] = radius_ + (radius_ + 1) * byteOf(in[0], c);
      for (int j = 0; j < radius_; ++j) sum[c] += byteOf(in[std::min(j, width_ - 1)], c);
    }
    for (int i = 0; i < width_; ++i) {
      const std::uint32_t entering = in[std::min(i + radius_, width_ - 1)];
      const std::uint32_t leaving = in[std::max(i - radius_ - 1, 0)];
      std::uint32_t averaged = 0;
      for (int c = 0; c < 3; ++c) {
        sum[c] += byteOf(entering, c) - byteOf(leaving, c);
        averaged |= average(sum[c]) << (8 * c);
      }
      out[i] = averaged;
    }
  }

  void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    for (int x = 0; x < width_; ++x) {
      for (int c = 0; c < 3; ++c) sums[4 * x + c] += times * byteOf(row[x], c);
    }
  }

  void slideRow(Sum* sums, const std::uint32_t* entering, const std::uint32_t* leaving,
                std::uint32_t* out) const {
    for (int x = 0; x < width_; ++x) {
      std::uint32_t averaged = 0;
      for (int c = 0; c < 3; ++c) {
        Sum& sum = sums[4 * x + c];
        sum += byteOf(entering[x], c) - byteOf(leaving[x], c);
        averaged |= average(sum) << (8 * c);
      }
      out[x] = averaged;
    }
  }

 private:
  // floor(n / d) as (n * reciprocal) >> 40: exact for n < 2^29 and d < 2^11, which covers
  // every sum of 255-valued bytes over a window of at most 2 * kMaxBoxRadius + 1.
  static std::uint64_t reciprocalOf(int d) { return ((std::uint64_t{1} << 40) + d - 1) / d; }
  std::uint32_t average(Sum sum) const {
    return static_cast<std::uint32_t>((sum * reciprocal_) >> 40);
  }

  int width_;
  int radius_;
  std::uint64_t reciprocal_;
};

void clearFourthBytes(Image& image) {
  std::uint32_t* pixels = image.pixelBuffer();
  const std::size_t count = static_cast<std::size_t>(image.getWidth()) * image.getHeight();
  for (std::size_t i = 0; i < count; ++i) pixels[i] &= 0x00FFFFFF;
}

}  // namespace

bool boxBlurKernelRuns(BoxBlurKernel kernel, int radius) {
  switch (kernel) {
    case BoxBlurKernel::Portable:
      return true;
    case BoxBlurKernel::Avx2:
      return avx2BoxBlurRuns(std::clamp(radius, 0, kMaxBoxRadius));
  }
  return false;
}

void boxBlur(Image& image, int radius) {
  boxBlur(image, radius,
          boxBlurKernelRuns(BoxBlurKernel::Avx2, radius) ? BoxBlurKernel::Avx2
                                                         : BoxBlurKernel::Portable);
}

void boxBlur(Image& image, int radius, BoxBlurKernel kernel) {
  radius = std::clamp(radius, 0, kMaxBoxRadius);
  if (radius == 0) {
    clearFourthBytes(image);
  } else if (kernel != BoxBlurKernel::Avx2 || !avx2BoxBlur(image, radius)) {
    sweepBox<PortableRows>(image, radius);
  }
}

}  // namespace zarq
