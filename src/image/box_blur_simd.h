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
// and, for the wide lanes only:
//
//   add32, sub32, mullo32      lane arithmetic on 32-bit lanes
//   shiftRight32<n>(v), shiftLeft32<n>(v), bitOr
//   Floats, setFloat(f)        a vector of kPixels floats, each f
//   floorOf(n, m, a)           each 32-bit lane n, as a float, times m plus a, rounded down
//
// A pixel's four bytes are split into lanes of its own vectors (Lanes16, Lanes32), so that
// they need no shuffles to widen or narrow, which is where a blur spends its time otherwise.
//
// Chosen at run time, so the rest of the program needs no special compiler flags.

#include <algorithm>
#include <cstdint>
#include <memory>
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

// Sums in 16-bit lanes, for radii whose sums fit them: blue and red in the "low" vector,
// green and the fourth byte in the "high" one.
template <class V>
class Lanes16 {
 public:
  using Sum = std::uint16_t;
  using Vec = typename V::Vec;
  static constexpr int kParts = 2;

  // The green byte's average is moved up by 8 - shift, so the shift may not pass 8.
  static bool runs(int radius) {
    const Divider16 divider = divider16(radius);
    return divider.exact && divider.shift <= 8;
  }

  static Vec add(Vec a, Vec b) { return V::add(a, b); }
  static Vec sub(Vec a, Vec b) { return V::sub(a, b); }
  static Vec mullo(Vec a, Vec b) { return V::mullo(a, b); }
  static Vec set(int n) { return V::set16(static_cast<std::uint16_t>(n)); }
  [[gnu::always_inline]] static void split(Vec pixels, Vec* parts) {
    parts[0] = V::bitAnd(pixels, V::set16(0x00FF));
    parts[1] = V::upperBytes(pixels);
  }

  // The high half's multiplier is 0 in the fourth byte's lanes, so that byte comes out 0.
  explicit Lanes16(int radius) : Lanes16(divider16(radius)) {}
  [[gnu::always_inline]] Vec average(const Vec* sums) const {
    return V::orMasked(V::shiftRight(V::mulhi(sums[0], lowMultiplier_), down_),
                       V::shiftLeft(V::mulhi(sums[1], highMultiplier_), up_), highByte_);
  }

 private:
  explicit Lanes16(const Divider16& divider)
      : lowMultiplier_(V::set16(divider.multiplier)),
        highMultiplier_(V::set32(divider.multiplier)),
        down_(V::shiftCount(divider.shift)),
        up_(V::shiftCount(8 - divider.shift)),
        highByte_(V::set16(0xFF00)) {}

  Vec lowMultiplier_, highMultiplier_;
  typename V::ShiftCount down_, up_;
  Vec highByte_;
};

// Sums in 32-bit lanes, one vector for each colour byte, for the radii whose sums pass 16
// bits. A sum n stays below 2^19, exact as a float, and floor(n * (1 / d) + 1 / 8192) is
// floor(n / d) for every such n and window d: the product is off by less than 2^-15, and
// n / d lies either on a whole number or at least 1 / d below the next.
template <class V>
class Lanes32 {
 public:
  using Sum = std::uint32_t;
  using Vec = typename V::Vec;
  static constexpr int kParts = 3;

  static bool runs(int radius) { return radius <= kMaxBoxRadius; }

  static Vec add(Vec a, Vec b) { return V::add32(a, b); }
  static Vec sub(Vec a, Vec b) { return V::sub32(a, b); }
  static Vec mullo(Vec a, Vec b) { return V::mullo32(a, b); }
  static Vec set(int n) { return V::set32(static_cast<std::uint32_t>(n)); }
  [[gnu::always_inline]] static void split(Vec pixels, Vec* parts) {
    const Vec byte = V::set32(0xFF);
    parts[0] = V::bitAnd(pixels, byte);
    parts[1] = V::bitAnd(V::template shiftRight32<8>(pixels), byte);
    parts[2] = V::bitAnd(V::template shiftRight32<16>(pixels), byte);
  }

  explicit Lanes32(int radius)
      : reciprocal_(V::setFloat(1.0f / static_cast<float>(2 * radius + 1))),
        nudge_(V::setFloat(1.0f / 8192)) {}
  [[gnu::always_inline]] Vec average(const Vec* sums) const {
    const Vec blue = V::floorOf(sums[0], reciprocal_, nudge_);
    const Vec green = V::floorOf(sums[1], reciprocal_, nudge_);
    const Vec red = V::floorOf(sums[2], reciprocal_, nudge_);
    return V::bitOr(V::bitOr(blue, V::template shiftLeft32<8>(green)),
                    V::template shiftLeft32<16>(red));
  }

 private:
  typename V::Floats reciprocal_, nudge_;
};

// Loops over the vectors of a square are unrolled (`#pragma GCC unroll`) and the functions
// that take one are inlined, at any optimisation level, so that the square stays in
// registers.
template <class V, class L>
class SimdRows {
 public:
  using Sum = typename L::Sum;
  using Vec = typename V::Vec;
  static constexpr int kPixels = V::kPixels;
  static constexpr int kParts = L::kParts;

  static bool runs(int radius) { return L::runs(radius); }

  SimdRows(const BoxSpan& span, int radius) : span_(span), radius_(radius), lanes_(radius) {}

  // The rows' horizontal boxes, kPixels rows at a time: a square of pixels is transposed so
  // that each vector holds one column of the rows, and the window then slides along the
  // columns with its sums in registers, as the column pass slides down the rows.
  void blurRows(const std::uint32_t* const* in, std::uint32_t* const* out, int count) {
    for (int first = 0; first < count; first += kPixels) {
      blurSquareRows(in + first, out + first, std::min(kPixels, count - first));
    }
  }

  void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    const Vec factor = L::set(times);
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      Vec parts[kParts];
      L::split(V::load(row + x), parts);
      for (int k = 0; k < kParts; ++k) {
        Sum* at = strip(sums, x) + k * kLanes;
        V::store(at, L::add(V::load(at), L::mullo(parts[k], factor)));
      }
    }
  }

  // Each strip of kPixels columns takes its sums from memory once for all the rows.
  void slideRows(Sum* sums, const std::uint32_t* const* entering,
                 const std::uint32_t* const* leaving, std::uint32_t* const* out, int count) const {
    const L lanes = lanes_;
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      const int pixels = std::min(kPixels, span_.outWidth - x);
      Vec total[kParts];
#pragma GCC unroll 4
      for (int k = 0; k < kParts; ++k) total[k] = V::load(strip(sums, x) + k * kLanes);
      for (int row = 0; row < count; ++row) {
        // Rows of the ring are padded to whole vectors, so whole vectors can be read.
        Vec in[kParts], gone[kParts];
        L::split(V::load(entering[row] + x), in);
        L::split(V::load(leaving[row] + x), gone);
#pragma GCC unroll 4
        for (int k = 0; k < kParts; ++k) total[k] = L::add(total[k], L::sub(in[k], gone[k]));
        storePixels(out[row] + x, lanes.average(total), pixels);
      }
#pragma GCC unroll 4
      for (int k = 0; k < kParts; ++k) V::store(strip(sums, x) + k * kLanes, total[k]);
    }
  }

 private:
  // The lanes of a vector, and the sums of the strip of kPixels columns from x.
  static constexpr int kLanes = static_cast<int>(sizeof(Vec) / sizeof(Sum));
  static Sum* strip(Sum* sums, int x) { return sums + 4 * x; }

  static void storePixels(std::uint32_t* out, Vec pixels, int count) {
    if (count == kPixels) {
      V::store(out, pixels);
    } else {
      V::storeSome(out, pixels, count);
    }
  }

  // The columns of the rows being blurred, split into kParts vectors: column t (from -r - 1,
  // the picture's edges repeated beyond it) at slot t mod the ring's size, a power of two.
  // The first square's slots are kept again past the end, so that any kPixels columns in a
  // row lie one after another and a square of them is read at fixed offsets from one
  // address. Shared by every box of a thread: one blurs its rows from start to end before
  // the next begins.
  class ColumnRing {
   public:
    static constexpr int kSlot = kParts * kPixels;  // the 32-bit elements of a column

    explicit ColumnRing(int radius) {
      // Live at once: the window, the columns slid over in one square and those taken in
      // ahead of it.
      size_ = kPixels;
      while (size_ < 2 * radius + 2 + 2 * kPixels) size_ *= 2;
      static thread_local std::vector<std::uint32_t> buffer;
      columns_ = onLine(buffer, static_cast<std::size_t>(size_ + kPixels) * kSlot);
    }

    // Columns t to t + kPixels - 1, t a multiple of kPixels.
    void putSquare(int t, const Vec* pixels) {
      std::uint32_t* first = slot(position(t));
      std::uint32_t* mirror = first == columns_ ? slot(size_) : nullptr;
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) {
        Vec parts[kParts];
        L::split(pixels[i], parts);
#pragma GCC unroll 4
        for (int k = 0; k < kParts; ++k) {
          V::store(first + i * kSlot + k * kPixels, parts[k]);
          if (mirror) V::store(mirror + i * kSlot + k * kPixels, parts[k]);
        }
      }
    }
    void copy(int to, int from) {
      const int s = position(to);
      for (int at : {s, s < kPixels ? s + size_ : -1}) {
        if (at < 0) continue;
        for (int k = 0; k < kParts; ++k) {
          V::store(slot(at) + k * kPixels, V::load(run(from) + k * kPixels));
        }
      }
    }
    // Columns t to t + kPixels - 1, kSlot elements apart, each its parts one after another.
    const std::uint32_t* run(int t) const { return slot(position(t)); }

   private:
    int position(int t) const { return t & (size_ - 1); }
    std::uint32_t* slot(int s) const { return columns_ + static_cast<std::size_t>(s) * kSlot; }

    int size_ = 0;
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
    Vec total[kParts];
    for (Vec& part : total) part = L::set(r);
    for (int t = first - r - 1; t < first + r; ++t) {
      const std::uint32_t* column = ring.run(t);
      for (int k = 0; k < kParts; ++k) total[k] = L::add(total[k], V::load(column + k * kPixels));
    }
    const L lanes = lanes_;
    for (int x = 0; x < span_.outWidth; x += kPixels) {
      takeColumns(first + x + kPixels + r);
      const std::uint32_t* entering = ring.run(first + x + r);
      const std::uint32_t* leaving = ring.run(first + x - r - 1);
      Vec square[kPixels];
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) {
#pragma GCC unroll 4
        for (int k = 0; k < kParts; ++k) {
          const int at = i * ColumnRing::kSlot + k * kPixels;
          total[k] = L::add(total[k], L::sub(V::load(entering + at), V::load(leaving + at)));
        }
        square[i] = lanes.average(total);
      }
      V::transpose(square);
      const int pixels = std::min(kPixels, span_.outWidth - x);
#pragma GCC unroll 16
      for (int i = 0; i < kPixels; ++i) storePixels(outs[i] + x, square[i], pixels);
    }
  }

  BoxSpan span_;
  int radius_;
  L lanes_;
  std::vector<std::uint32_t> spare_;
};

// Whether the instruction set `V` blurs boxes of `radius`, in narrow lanes or wide ones.
template <class V>
bool simdBoxBlurRuns(int radius) {
  return SimdRows<V, Lanes16<V>>::runs(radius) || SimdRows<V, Lanes32<V>>::runs(radius);
}

// The narrow lanes where the sums fit them (twice the pixels per instruction), else the wide
// ones; null where neither runs.
template <class V>
std::unique_ptr<BoxStage> simdBoxStage(const BoxSpan& span, int height, int radius,
                                       std::uint32_t* ring) {
  using Narrow = SimdRows<V, Lanes16<V>>;
  using Wide = SimdRows<V, Lanes32<V>>;
  if (Narrow::runs(radius)) return std::make_unique<BoxStageOf<Narrow>>(span, height, radius, ring);
  if (Wide::runs(radius)) return std::make_unique<BoxStageOf<Wide>>(span, height, radius, ring);
  return nullptr;
}

}  // namespace zarq
