#pragma once
// The sweep shared by the box blur kernels. A kernel supplies three row operations:
//
//   Rows(width, radius)                      prepares for rows of `width` pixels
//   blurRow(in, out)                         out = the horizontal box of one row
//   addRow(sums, row, times)                 sums += times x each byte of row
//   slideRow(sums, entering, leaving, out)   sums += entering - leaving; out = the averages
//
// `sums` holds four counters per pixel (blue, green, red, fourth byte) of type Rows::Sum.
//
// One box is swept down a band of rows once: the rows of the horizontal pass are made just
// before the vertical pass needs them and kept in a ring of 2r + 2 rows, so the band is read
// and written in place and touches the image only once. Bands side by side can be swept at
// the same time: each first takes the rows it needs from its neighbours (`prepare`), and
// only once every band has done so do they overwrite their own (`run`).

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "image/image.h"

namespace zarq {

// Averages stay exact up to this radius (the 16-bit kernels check their own limits).
inline constexpr int kMaxBoxRadius = 1023;

class BoxBand {
 public:
  virtual ~BoxBand() = default;
  // Reads every row outside the band that `run` needs; writes nothing of the image.
  virtual void prepare() = 0;
  // Writes the band's rows.
  virtual void run() = 0;
};

// The pixels of scratch space a band of this image needs for a box of this radius.
inline std::size_t boxBandScratch(const Image& image, int radius) {
  const int height = image.getHeight();
  return static_cast<std::size_t>(std::min(2 * radius + 2, height) + std::min(radius, height)) *
         image.getWidth();
}

// Rows [first, end) of `image`, blurred by one box of `radius`, using `scratch` of at least
// boxBandScratch pixels. Everything it allocates it allocates here, before any thread runs.
template <class Rows>
class BoxBandOf final : public BoxBand {
 public:
  BoxBandOf(Image& image, int radius, int first, int end, std::uint32_t* scratch)
      : image_(image),
        radius_(radius),
        first_(first),
        end_(end),
        width_(image.getWidth()),
        height_(image.getHeight()),
        ringRows_(std::min(2 * radius + 2, height_)),
        ring_(scratch),
        below_(scratch + static_cast<std::size_t>(ringRows_) * width_),
        rows_(width_, radius),
        sums_(4 * static_cast<std::size_t>(width_)) {}

  void prepare() override {
    if (width_ == 0 || first_ >= end_) return;
    // The rows below the band, which the next band will overwrite.
    for (int y = end_; y < std::min(end_ + radius_, height_); ++y) {
      rows_.blurRow(image_.row(y), belowRow(y));
    }
    // The column sums of the window of the row above the band, plus `radius` so that the
    // kernels' floor division rounds to nearest. Window rows beyond an edge repeat it.
    made_ = std::max(first_ - radius_ - 1, 0);
    std::fill(sums_.begin(), sums_.end(), static_cast<typename Rows::Sum>(radius_));
    int pending = -1, times = 0;
    for (int y = first_ - 1 - radius_; y <= first_ - 1 + radius_; ++y) {
      const int row = clampRow(y);
      if (row != pending && times > 0) {
        rows_.addRow(sums_.data(), blurred(pending), times);
        times = 0;
      }
      pending = row;
      ++times;
    }
    rows_.addRow(sums_.data(), blurred(pending), times);
  }

  void run() override {
    if (width_ == 0) return;
    for (int y = first_; y < end_; ++y) {
      const std::uint32_t* entering = blurred(clampRow(y + radius_));
      const std::uint32_t* leaving = ringRow(clampRow(y - radius_ - 1));
      rows_.slideRow(sums_.data(), entering, leaving, image_.row(y));
    }
  }

 private:
  int clampRow(int y) const { return std::clamp(y, 0, height_ - 1); }
  std::uint32_t* ringRow(int y) { return ring_ + static_cast<std::size_t>(y % ringRows_) * width_; }
  std::uint32_t* belowRow(int y) { return below_ + static_cast<std::size_t>(y - end_) * width_; }

  // The horizontal pass of row y. Rows of the band are made in order, each while the image
  // row is still unchanged; rows below it were made by `prepare`.
  const std::uint32_t* blurred(int y) {
    if (y >= end_) return belowRow(y);
    for (; made_ <= y; ++made_) rows_.blurRow(image_.row(made_), ringRow(made_));
    return ringRow(y);
  }

  Image& image_;
  int radius_;
  int first_;
  int end_;
  int width_;
  int height_;
  int ringRows_;
  std::uint32_t* ring_;
  std::uint32_t* below_;
  Rows rows_;
  std::vector<typename Rows::Sum> sums_;
  int made_ = 0;
};

// The AVX2 kernel: whether it runs on this machine for this radius, and a band of it, null
// when it does not run.
bool avx2BoxBlurRuns(int radius);
std::unique_ptr<BoxBand> avx2BoxBand(Image& image, int radius, int first, int end,
                                     std::uint32_t* scratch);

}  // namespace zarq
