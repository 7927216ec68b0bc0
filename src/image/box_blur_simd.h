#pragma once
// The box blur's row operations on 16-bit lanes, four to a pixel, written once for any
// vector width. A kernel's file includes this where its instruction set is turned on (by
// `#pragma GCC target`) and supplies the vector operations V (see box_blur_rows.h for what
// the rows do):
//
//   Vec, kPixels                    a vector of kPixels pixels' lanes
//   zero, set1(n), pixel(lanes)     constants; `pixel` repeats one pixel's four lanes
//   load, store, widen(bytes)       16-bit lanes from memory, or from kPixels pixels' bytes
//   add, sub, mullo                 lane arithmetic
//   shiftCount(s), mulhiShift       mulhiShift(v, m, shiftCount(s)) = (v * m) >> (16 + s)
//   runningSum(v)                   each pixel plus the pixels before it within the vector
//   lastPixel(v)                    the vector's last pixel in every pixel
//   packStore(out, low, high)       the low bytes of two vectors' lanes, in order
//
// Chosen at run time, so the rest of the program needs no special compiler flags.

#include <cstdint>
#include <cstring>
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

// The four bytes of a pixel as four 16-bit lanes.
inline std::uint64_t lanesOf(std::uint32_t pixel) {
  std::uint64_t lanes = 0;
  for (int c = 0; c < 4; ++c)
    lanes |= static_cast<std::uint64_t>((pixel >> (8 * c)) & 0xFF) << (16 * c);
  return lanes;
}

template <class V>
class SimdRows {
 public:
  using Sum = std::uint16_t;
  using Vec = typename V::Vec;
  static constexpr int kPixels = V::kPixels;
  static constexpr int kLanes = 4 * kPixels;
  static constexpr std::size_t kLaneLine = kLineBytes / sizeof(std::uint16_t);

  SimdRows(const BoxSpan& span, int radius)
      : span_(span),
        radius_(radius),
        divider_(divider16(radius)),
        // The row's own prefixes, from 4 (r + 1) on, are stored a vector at a time.
        prefix_(onLine(prefixBuffer_,
                       4 * (static_cast<std::size_t>(span.inWidth) + 2 * radius + 2 * kPixels),
                       kLaneLine - 4 * (radius + 1) % kLaneLine)) {}
  // prefix_ points into prefixBuffer_.
  SimdRows(const SimdRows&) = delete;
  SimdRows& operator=(const SimdRows&) = delete;

  // The row's running sums come from a prefix sum over the row extended by r end pixels on
  // each side: box[i] = prefix[i + 2r + 1] - prefix[i]. 16-bit prefixes wrap, but every
  // difference is a window sum below 2^16, so the wrap cancels.
  void blurRow(const std::uint32_t* in, std::uint32_t* out) {
    // Locals throughout: the vector stores may alias anything, members would be reloaded.
    std::uint16_t* prefix = prefix_;
    const int r = radius_;
    const int width = span_.inWidth;
    const Vec ramp = rampLanes();

    // prefix[u] = u x first pixel for u <= r (writes past r are overwritten below).
    const Vec first = V::pixel(lanesOf(in[0]));
    const Vec firstStep = V::mullo(first, V::set1(kPixels));
    Vec run = V::mullo(ramp, first);
    for (int u = 0; u <= r; u += kPixels) {
      V::store(prefix + 4 * u, run);
      run = V::add(run, firstStep);
    }

    // The row itself, kPixels pixels at a time: a running sum within the vector, then the
    // carry from the vectors before.
    std::uint16_t* middle = prefix + 4 * (r + 1);
    Vec carry = V::pixel(lanesAt(prefix + 4 * r));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(in);
    int i = 0;
    for (; i + kPixels <= width; i += kPixels) {
      const Vec v = V::runningSum(V::widen(bytes + 4 * i));
      V::store(middle + 4 * i, V::add(v, carry));
      carry = V::add(carry, V::lastPixel(v));
    }
    for (; i < width; ++i) {
      for (int c = 0; c < 4; ++c) {
        middle[4 * i + c] = static_cast<std::uint16_t>(middle[4 * i + c - 4] + bytes[4 * i + c]);
      }
    }

    // prefix[r + width + k] = prefix[r + width] + k x last pixel for k = 1 .. r.
    const Vec last = V::pixel(lanesOf(in[width - 1]));
    const Vec lastStep = V::mullo(last, V::set1(kPixels));
    run = V::add(V::pixel(lanesAt(prefix + 4 * (r + width))),
                 V::mullo(V::add(ramp, V::set1(1)), last));
    for (int k = 1; k <= r; k += kPixels) {
      V::store(prefix + 4 * (r + width + k), run);
      run = V::add(run, lastStep);
    }

    // Only the span's outputs: box[offset + i] goes to out[i].
    const Averager average(divider_);
    const Vec rounding = V::set1(static_cast<std::uint16_t>(r));
    const std::uint16_t* behind = prefix + 4 * span_.outOffset;
    const std::uint16_t* ahead = behind + 4 * (2 * r + 1);
    const int outputs = span_.outWidth;
    auto* outBytes = reinterpret_cast<std::uint8_t*>(out);
    i = 0;
    for (; i + 2 * kPixels <= outputs; i += 2 * kPixels) {
      const Vec low = V::sub(V::load(ahead + 4 * i), V::load(behind + 4 * i));
      const Vec high = V::sub(V::load(ahead + 4 * i + kLanes), V::load(behind + 4 * i + kLanes));
      average.store(outBytes + 4 * i, V::add(low, rounding), V::add(high, rounding));
    }
    for (int lane = 4 * i; lane < 4 * outputs; ++lane) {
      outBytes[lane] =
          average.one(static_cast<std::uint16_t>(ahead[lane] - behind[lane] + r), lane);
    }
  }

  void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(row);
    const Vec factor = V::set1(static_cast<std::uint16_t>(times));
    const int lanes = 4 * span_.outWidth;
    int lane = 0;
    for (; lane + kLanes <= lanes; lane += kLanes) {
      V::store(sums + lane, V::add(V::load(sums + lane), V::mullo(V::widen(bytes + lane), factor)));
    }
    for (; lane < lanes; ++lane) sums[lane] = static_cast<Sum>(sums[lane] + times * bytes[lane]);
  }

  void slideRow(Sum* sums, const std::uint32_t* entering, const std::uint32_t* leaving,
                std::uint32_t* out) const {
    const auto* in = reinterpret_cast<const std::uint8_t*>(entering);
    const auto* gone = reinterpret_cast<const std::uint8_t*>(leaving);
    auto* outBytes = reinterpret_cast<std::uint8_t*>(out);
    const int lanes = 4 * span_.outWidth;
    const Averager average(divider_);
    int lane = 0;
    for (; lane + 2 * kLanes <= lanes; lane += 2 * kLanes) {
      const Vec low =
          V::sub(V::add(V::load(sums + lane), V::widen(in + lane)), V::widen(gone + lane));
      const Vec high = V::sub(V::add(V::load(sums + lane + kLanes), V::widen(in + lane + kLanes)),
                              V::widen(gone + lane + kLanes));
      V::store(sums + lane, low);
      V::store(sums + lane + kLanes, high);
      average.store(outBytes + lane, low, high);
    }
    for (; lane < lanes; ++lane) {
      sums[lane] = static_cast<Sum>(sums[lane] + in[lane] - gone[lane]);
      outBytes[lane] = average.one(sums[lane], lane);
    }
  }

 private:
  // Lanes of pixel k hold k.
  static Vec rampLanes() {
    std::uint16_t lanes[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) lanes[lane] = static_cast<std::uint16_t>(lane / 4);
    return V::load(lanes);
  }

  static std::uint64_t lanesAt(const std::uint16_t* lanes) {
    std::uint64_t four;
    std::memcpy(&four, lanes, sizeof four);
    return four;
  }

  // Averages from rounded sums, with the divider in registers (a local, which the vector
  // stores cannot be taken to overwrite); the fourth byte's multiplier is 0, so that byte
  // comes out 0.
  struct Averager {
    explicit Averager(const Divider16& divider)
        : multiplier(V::pixel(static_cast<std::uint64_t>(divider.multiplier) * 0x100010001)),
          shift(V::shiftCount(divider.shift)),
          scalarMultiplier(divider.multiplier),
          scalarShift(16 + divider.shift) {}

    void store(std::uint8_t* out, Vec low, Vec high) const {
      V::packStore(out, V::mulhiShift(low, multiplier, shift),
                   V::mulhiShift(high, multiplier, shift));
    }

    std::uint8_t one(std::uint16_t roundedSum, int lane) const {
      if (lane % 4 == 3) return 0;
      return static_cast<std::uint8_t>((std::uint32_t{roundedSum} * scalarMultiplier) >>
                                       scalarShift);
    }

    Vec multiplier;
    typename V::ShiftCount shift;
    std::uint32_t scalarMultiplier;
    int scalarShift;
  };

  BoxSpan span_;
  int radius_;
  Divider16 divider_;
  std::vector<std::uint16_t> prefixBuffer_;
  std::uint16_t* prefix_;
};

}  // namespace zarq
