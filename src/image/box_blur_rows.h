#pragma once
// The sweep shared by the box blur kernels. A kernel supplies three row operations:
//
//   Rows(width, radius)                      prepares for rows of `width` pixels
//   blurRow(in, out)                         out = the horizontal box of one row
//   addRow(sums, row, times)                 sums += times x each byte of row
//   slideRow(sums, entering, leaving, out)   sums += entering - leaving; out = the averages
//
// `sums` holds four counters per pixel (blue, green, red, fourth byte) of type Rows::Sum.
// The sweep goes down the image once: the rows of the horizontal pass are made just before
// the vertical pass needs them and kept in a ring of 2r + 2 rows, so the image is read and
// written in place and each box touches it only once.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/image.h"

namespace zarq {

// Averages stay exact up to this radius (the 16-bit kernels check their own limits).
inline constexpr int kMaxBoxRadius = 1023;

template <class Rows>
void sweepBox(Image& image, int radius) {
  const int width = image.getWidth();
  const int height = image.getHeight();
  if (width == 0 || height == 0) return;
  Rows rows(width, radius);

  const int ringRows = std::min(2 * radius + 2, height);
  std::vector<std::uint32_t> ring(static_cast<std::size_t>(ringRows) * width);
  auto ringRow = [&](int y) {
    return ring.data() + static_cast<std::size_t>(y % ringRows) * width;
  };
  int made = 0;
  // The horizontal pass of row y; image row y is still unchanged when this is first asked.
  auto blurred = [&](int y) {
    for (; made <= y; ++made) rows.blurRow(image.row(made), ringRow(made));
    return ringRow(y);
  };
  auto clampRow = [&](int y) { return std::clamp(y, 0, height - 1); };

  // The column sums of the window above row 0, plus `radius` so that the kernels' floor
  // division rounds to nearest.
  std::vector<typename Rows::Sum> sums(4 * static_cast<std::size_t>(width),
                                       static_cast<typename Rows::Sum>(radius));
  rows.addRow(sums.data(), blurred(0), radius + 1);
  for (int y = 0; y < radius; ++y) rows.addRow(sums.data(), blurred(clampRow(y)), 1);

  for (int y = 0; y < height; ++y) {
    const std::uint32_t* entering = blurred(clampRow(y + radius));
    const std::uint32_t* leaving = ringRow(clampRow(y - radius - 1));
    rows.slideRow(sums.data(), entering, leaving, image.row(y));
  }
}

// The AVX2 kernel: whether it runs on this machine for this radius, and the blur itself,
// which leaves the image alone and answers false when it does not run.
bool avx2BoxBlurRuns(int radius);
bool avx2BoxBlur(Image& image, int radius);

}  // namespace zarq
