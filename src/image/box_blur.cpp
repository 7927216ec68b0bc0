#include "image/box_blur.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "image/band_sync.h"
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

// A box of radius 0: only the fourth bytes change, so the band needs nothing of others.
class FourthByteBand final : public BoxBand {
 public:
  FourthByteBand(Image& image, int first, int end) : image_(image), first_(first), end_(end) {}
  void prepare() override {}
  void run() override {
    for (int y = first_; y < end_; ++y) {
      std::uint32_t* row = image_.row(y);
      for (int x = 0; x < image_.getWidth(); ++x) row[x] &= 0x00FFFFFF;
    }
  }

 private:
  Image& image_;
  int first_;
  int end_;
};

std::unique_ptr<BoxBand> makeBand(Image& image, int radius, int first, int end,
                                  std::uint32_t* scratch, BoxBlurKernel kernel) {
  if (radius == 0) return std::make_unique<FourthByteBand>(image, first, end);
  if (kernel == BoxBlurKernel::Avx2) {
    if (auto band = avx2BoxBand(image, radius, first, end, scratch)) return band;
  }
  return std::make_unique<BoxBandOf<PortableRows>>(image, radius, first, end, scratch);
}

// Below this many pixels starting a thread costs more than it saves.
constexpr long long kBandedArea = 256 * 256;
constexpr int kMaxBands = 4;

int bandsFor(const Image& image) {
  if (static_cast<long long>(image.getWidth()) * image.getHeight() < kBandedArea) return 1;
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxBands);
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

void boxBlurs(Image& image, std::span<const int> radii) {
  boxBlurs(image, radii, BoxBlurKernel::Avx2, bandsFor(image));
}

void boxBlurs(Image& image, std::span<const int> radii, BoxBlurKernel kernel, int bands) {
  const int height = image.getHeight();
  if (image.getWidth() == 0 || radii.empty()) return;
  bands = std::clamp(bands, 1, height);

  // Everything is allocated before any thread starts, so that no thread can fail.
  std::size_t scratchPixels = 0;
  for (int radius : radii) {
    scratchPixels =
        std::max(scratchPixels, boxBandScratch(image, std::clamp(radius, 0, kMaxBoxRadius)));
  }
  // Kept from one blur to the next: the preview blurs the same frame over and over, and
  // memory handed back to the system costs a page fault per page when taken again.
  static thread_local std::vector<std::uint32_t> scratch;
  if (scratch.size() < scratchPixels * bands) scratch.resize(scratchPixels * bands);
  std::vector<std::vector<std::unique_ptr<BoxBand>>> boxes(bands);
  for (int band = 0; band < bands; ++band) {
    const int first = static_cast<int>(static_cast<long long>(height) * band / bands);
    const int end = static_cast<int>(static_cast<long long>(height) * (band + 1) / bands);
    for (int radius : radii) {
      boxes[band].push_back(makeBand(image, std::clamp(radius, 0, kMaxBoxRadius), first, end,
                                     scratch.data() + scratchPixels * band, kernel));
    }
  }

  // Each box: every band takes what it needs of its neighbours, then every band writes.
  BandBarrier step(bands);
  auto sweep = [&](int band) {
    for (auto& box : boxes[band]) {
      box->prepare();
      step.arriveAndWait();
      box->run();
      step.arriveAndWait();
    }
  };
  // The helpers wait until all of them have started; if one cannot start, none sweeps and
  // the image is blurred as one band instead.
  BandGate started;
  bool abandoned = false;
  {
    std::vector<std::jthread> helpers;
    helpers.reserve(bands - 1);
    try {
      for (int band = 1; band < bands; ++band) {
        helpers.emplace_back([&, band] {
          started.wait();
          if (!abandoned) sweep(band);
        });
      }
    } catch (const std::system_error&) {
      abandoned = true;
    }
    started.open();
    if (!abandoned) sweep(0);
  }
  if (abandoned) boxBlurs(image, radii, kernel, 1);
}

}  // namespace zarq
