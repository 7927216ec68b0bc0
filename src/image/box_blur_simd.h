#pragma once
// The box blur's row operations on vectors of whole pixels, written once for any vector
// width. A kernel's file includes this where its instruction set is turned on (by
// `#pragma GCC target`) and supplies the vector operations V (see box_blur_rows.h for what
// the rows do):
//
//   Vec, kPixels               a vector of kPixels 32-bit pixels, or of 2 kPixels 16-bit lanes
//   load, store                kPixels pixels, or 2 kPixels lanes; any alignment
//   loadSome(p, n)             the first n pixels, the others 0, reading only those
//   storeSome(p, v, n)         the first n pixels, writing only those
//   set16(n), set32(n)         every 16-bit lane n, every 32-bit element n
//   bitAnd, add, sub, mullo    lane arithmetic on 16-bit lanes
//   mulhi                      (a * b) >> 16 per 16-bit lane
//   upperBytes(v)              each 16-bit lane shifted right by 8
//   ShiftCount, shiftCount(s)  a count for shiftRight(v, c) and shiftLeft(v, c) on 16-bit lanes
//   orMasked(a, b, m)          a | (b & m)
//   transpose(v)               kPixels vectors of kPixels pixels, as rows of a square, transposed
//
// A pixel's four bytes are split into two 16-bit lanes each: blue and red in the "low" vector,
// green and the fourth byte in the "high" one. Both halves then need no shuffles to widen or
// narrow, which is where a blur spends its time otherwise.
//
// Chosen at run time, so the rest of the program needs no special compiler flags.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/box_blur_rows.h"

namespace zarq {

// floor(n / d) computed as (n * multiplier) >> (16 + shift). With multiplier = ceil(2^k / d)
// and excess = multiplier * d - 2^k, n * multiplier / 2^k = n / d + n * excess / (d * 2^k),
// whose floor is that of n / d while n * excess < 2^k; the largest n is 255 d + r.
struct Divider16 {
  std::uint16_t multiplier = 0;
  int shift = 0;
  bool exact = false;
};

inline Divider16 divider16(int radius) {
  const long long d = 2 * radius + 1;
  const long long largest = 255 * d + radius;
  if (largest > 0xFFFF) return {};
  for (int shift = 0; shift < 16; ++shift) {
    const long long k = 16 + shift;
    const long long multiplier = ((1LL << k) + d - 1) / d;
    if (multiplier > 0xFFFF) break;
    if (largest * (multiplier * d - (1LL << k)) < (1LL << k)) {
      return {static_cast<std::uint16_t>(multiplier), shift, true};
    }
  }
  return {};
}

// Loops over the vectors of a square are unrolled (`#pragma GCC unroll`) and the functions
// that take one are inlined, at any optimisation level, so that the square stays in
// registers.
template <class V>
class SimdRows {
 public:
  using Sum = std::uint16_t;
  using Vec = typename V::Vec;
  static constexpr int kPixels = V::kPixels;

  // The green byte's average is moved up by 8 - shift, so the shift may not pass 8.
  static bool runs(int radius) {
    const Divider16 divider = divider16(radius);
    return divider.exact && divider.shift <= 8;
  }

  SimdRows(const BoxSpan& span, int radius)
      : span_(span), radius_(radius), average_(divider16(radius)) {}

  // The rows' horizontal boxes, kPixels rows at a time: a square of pixels is transposed so
  // that each vector holds one column of the rows, and the window then slides along the
  // columns with its sums in registers, as the column pass slides down the rows.
  void blurRows(const std::uint32_t* const* in, std::uint32_t* const* out, int count) {
    for (int first = 0; first < count; first += kPixels) {
      blurSquareRows(in + first, out + first, std::min(kPixels, count - first));
    }
  }

  void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    const Vec factor = V::set16(static_cast<std::uint16_t>(times));
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      const Vec pixels = V::load(row + x);
      Sum* low = sums + 4 * x;
      Sum* high = low + 2 * kPixels;
      V::store(low, V::add(V::load(low), V::mullo(V::bitAnd(pixels, lowBytes()), factor)));
      V::store(high, V::add(V::load(high), V::mullo(V::upperBytes(pixels), factor)));
    }
  }

  // Each strip of kPixels columns takes its sums from memory once for all the rows.
  void slideRows(Sum* sums, const std::uint32_t* const* entering,
                 const std::uint32_t* const* leaving, std::uint32_t* const* out, int count) const {
    const Averager average = average_;
    const Vec mask = lowBytes();
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      const int pixels = std::min(kPixels, span_.outWidth - x);
      Sum* lowSums = sums + 4 * x;
      Sum* highSums = lowSums + 2 * kPixels;
      Vec low = V::load(lowSums), high = V::load(highSums);
      for (int row = 0; row < count; ++row) {
        // Rows of the ring are padded to whole vectors, so whole vectors can be read.
        const Vec in = V::load(entering[row] + x), gone = V::load(leaving[row] + x);
        low = V::add(low, V::sub(V::bitAnd(in, mask), V::bitAnd(gone, mask)));
        high = V::add(high, V::sub(V::upperBytes(in), V::upperBytes(gone)));
        storePixels(out[row] + x, average(low, high), pixels);
      }
      V::store(lowSums, low);
      V::store(highSums, high);
    }
  }

 private:
  static Vec lowBytes() { return V::set16(0x00FF); }

  static void storePixels(std::uint32_t* out, Vec pixels, int count) {
    if (count == kPixels) {
      V::store(out, pixels);
    } else {
      V::storeSome(out, pixels, count);
    }
  }

  // Pixels from rounded sums, with the divider in registers (a local, which the vector
  // stores cannot be taken to overwrite). The high half's multiplier is 0 in the fourth
  // byte's lanes, so that byte comes out 0.
  struct Averager {
    explicit Averager(const Divider16& divider)
        : lowMultiplier(V::set16(divider.multiplier)),
          highMultiplier(V::set32(divider.multiplier)),
          down(V::shiftCount(divider.shift)),
          up(V::shiftCount(8 - divider.shift)),
          highByte(V::set16(0xFF00)) {}

    Vec operator()(Vec low, Vec high) const {
      return V::orMasked(V::shiftRight(V::mulhi(low, lowMultiplier), down),
                         V::shiftLeft(V::mulhi(high, highMultiplier), up), highByte);
    }

    Vec lowMultiplier, highMultiplier;
    typename V::ShiftCount down, up;
    Vec highByte;
  };

  // The columns of the rows being blurred, split into halves: column t (from -r - 1, the
  // picture's edges repeated beyond it) at slot t mod the ring's size, a whole number of
  // squares. The first square's slots are kept again past the end, so that any kPixels
  // columns in a row lie one after another and a square of them is read at fixed offsets
  // from one address. As small as it can be, for the first-level cache holds the rows
  // coming in too. Shared by every box of a thread: one blurs its rows from start to end
  // before the next begins.
  class ColumnRing {
   public:
    explicit ColumnRing(int radius) {
      // Live at once: the window, the columns slid over in one square and those taken in
      // ahead of it.
      size_ = (2 * radius + 2 + 3 * kPixels - 1) / kPixels * kPixels;
      // Makes every column from -r - 1 on count from 0.
      bias_ = (radius + 1 + size_ - 1) / size_ * size_;
      static thread_local std::vector<std::uint32_t> buffer;
      columns_ = onLine(buffer, 2 * static_cast<std::size_t>(size_ + kPixels) * kPixels);
    }

    // Columns t to t + kPixels - 1, t a multiple of kPixels.
    void putSquare(int t, const Vec* pixels) {
      std::uint32_t* first = slot(position(t));
      std::uint32_t* mirror = first == columns_ ? slot(size_) : nullptr;
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) {
        const Vec low = V::bitAnd(pixels[i], lowBytes()), high = V::upperBytes(pixels[i]);
        V::store(first + 2 * i * kPixels, low);
        V::store(first + (2 * i + 1) * kPixels, high);
        if (mirror) {
          V::store(mirror + 2 * i * kPixels, low);
          V::store(mirror + (2 * i + 1) * kPixels, high);
        }
      }
    }
    void copy(int to, int from) {
      const Vec low = V::load(run(from)), high = V::load(run(from) + kPixels);
      const int s = position(to);
      for (int at : {s, s < kPixels ? s + size_ : -1}) {
        if (at < 0) continue;
        V::store(slot(at), low);
        V::store(slot(at) + kPixels, high);
      }
    }
    // Columns t to t + kPixels - 1, each low half followed by its high half.
    const std::uint32_t* run(int t) const { return slot(position(t)); }

   private:
    int position(int t) const { return (t + bias_) % size_; }
    std::uint32_t* slot(int s) const {
      return columns_ + 2 * static_cast<std::size_t>(s) * kPixels;
    }

    int size_ = 0;
    int bias_ = 0;
    std::uint32_t* columns_ = nullptr;
  };

  // Up to kPixels rows; missing ones repeat the last row and go to a scratch row. The rows'
  // addresses are read from memory where they are used: held in vector registers, as the
  // compiler would otherwise have them, each costs a move out of one.
  void blurSquareRows(const std::uint32_t* const* in, std::uint32_t* const* out, int count) {
    if (spare_.size() < static_cast<std::size_t>(span_.outWidth)) spare_.resize(span_.outWidth);
    const std::uint32_t* const* rows = in;
    std::uint32_t* const* outs = out;
    const std::uint32_t* someRows[kPixels];
    std::uint32_t* someOuts[kPixels];
    if (count < kPixels) {
      for (int i = 0; i < kPixels; ++i) {
        someRows[i] = in[std::min(i, count - 1)];
        someOuts[i] = i < count ? out[i] : spare_.data();
      }
      rows = someRows;
      outs = someOuts;
    }

    const int r = radius_, width = span_.inWidth;
    ColumnRing ring(r);
    int taken = 0;  // columns [-r - 1, taken) are in the ring
    const auto takeColumns = [&](int end) __attribute__((always_inline)) {
      while (taken < end && taken < width) {
        const int pixels = std::min(kPixels, width - taken);
        Vec square[kPixels];
#pragma GCC unroll 16
        for (int i = 0; i < kPixels; ++i) {
          square[i] =
              pixels == kPixels ? V::load(rows[i] + taken) : V::loadSome(rows[i] + taken, pixels);
        }
        V::transpose(square);
        // Whole squares, which stay in registers; columns past the row's end are overwritten
        // below before they are read.
        ring.putSquare(taken, square);
        if (taken == 0) {
          for (int t = -r - 1; t < 0; ++t) ring.copy(t, 0);
        }
        taken += pixels;
      }
      for (; taken < end; ++taken) ring.copy(taken, width - 1);
    };

    const int first = span_.outOffset;
    takeColumns(first + r);
    const Vec rounding = V::set16(static_cast<std::uint16_t>(r));
    Vec low = rounding, high = rounding;
    for (int t = first - r - 1; t < first + r; ++t) {
      low = V::add(low, V::load(ring.run(t)));
      high = V::add(high, V::load(ring.run(t) + kPixels));
    }
    const Averager average = average_;
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      takeColumns(first + x + kPixels + r);
      const std::uint32_t* entering = ring.run(first + x + r);
      const std::uint32_t* leaving = ring.run(first + x - r - 1);
      Vec square[kPixels];
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) {
        const int lowAt = 2 * i * kPixels, highAt = lowAt + kPixels;
        low = V::add(low, V::sub(V::load(entering + lowAt), V::load(leaving + lowAt)));
        high = V::add(high, V::sub(V::load(entering + highAt), V::load(leaving + highAt)));
        square[i] = average(low, high);
      }
      V::transpose(square);
      const int pixels = std::min(kPixels, span_.outWidth - x);
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) storePixels(outs[i] + x, square[i], pixels);
    }
  }

  BoxSpan span_;
  int radius_;
  Averager average_;
  std::vector<std::uint32_t> spare_;
};

}  // namespace zarq
