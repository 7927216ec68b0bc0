// The box blur on 16-bit lanes with AVX2: sixteen bytes of a row per instruction. Chosen at
// run time, so the rest of the program needs no special compiler flags.
#include <cstring>

#include "image/box_blur_rows.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

#define ZARQ_AVX2 __attribute__((target("avx2")))

namespace zarq {
namespace {

// floor(n / d) computed as (n * multiplier) >> (16 + shift). With multiplier = ceil(2^k / d)
// and excess = multiplier * d - 2^k, n * multiplier / 2^k = n / d + n * excess / (d * 2^k),
// whose floor is that of n / d while n * excess < 2^k; the largest n is 255 d + r.
struct Divider16 {
  std::uint16_t multiplier = 0;
  int shift = 0;
  bool exact = false;
};

Divider16 divider16(int radius) {
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
std::uint64_t lanesOf(std::uint32_t pixel) {
  std::uint64_t lanes = 0;
  for (int c = 0; c < 4; ++c)
    lanes |= static_cast<std::uint64_t>((pixel >> (8 * c)) & 0xFF) << (16 * c);
  return lanes;
}

ZARQ_AVX2 __m256i widen(const std::uint8_t* bytes) {
  return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)));
}
ZARQ_AVX2 __m256i load(const std::uint16_t* lanes) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes));
}
ZARQ_AVX2 void store(std::uint16_t* lanes, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), v);
}

// Averages from rounded sums, with the divider in registers; the fourth byte's multiplier is
// 0, so that byte comes out 0.
struct Averager {
  ZARQ_AVX2 explicit Averager(const Divider16& divider)
      : multiplier(_mm256_set1_epi64x(static_cast<long long>(divider.multiplier) * 0x100010001LL)),
        shift(_mm_cvtsi32_si128(divider.shift)),
        scalarMultiplier(divider.multiplier),
        scalarShift(16 + divider.shift) {}

  // Thirty-two averages from two vectors of sums.
  ZARQ_AVX2 void store(std::uint8_t* out, __m256i low, __m256i high) const {
    low = _mm256_srl_epi16(_mm256_mulhi_epu16(low, multiplier), shift);
    high = _mm256_srl_epi16(_mm256_mulhi_epu16(high, multiplier), shift);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                        _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8));
  }

  std::uint8_t one(std::uint16_t roundedSum, int lane) const {
    if (lane % 4 == 3) return 0;
    return static_cast<std::uint8_t>((std::uint32_t{roundedSum} * scalarMultiplier) >> scalarShift);
  }

  __m256i multiplier;
  __m128i shift;
  std::uint32_t scalarMultiplier;
  int scalarShift;
};

class Avx2Rows {
 public:
  using Sum = std::uint16_t;

  Avx2Rows(int width, int radius)
      : width_(width),
        radius_(radius),
        divider_(divider16(radius)),
        prefix_(4 * (static_cast<std::size_t>(width) + 2 * radius + 8)) {}

  // The row's running sums come from a prefix sum over the row extended by r end pixels on
  // each side: box[i] = prefix[i + 2r + 1] - prefix[i]. 16-bit prefixes wrap, but every
  // difference is a window sum below 2^16, so the wrap cancels.
  ZARQ_AVX2 void blurRow(const std::uint32_t* in, std::uint32_t* out) {
    // Locals throughout: the vector stores may alias anything, members would be reloaded.
    std::uint16_t* prefix = prefix_.data();
    const int r = radius_;
    const int width = width_;
    const Averager averager(divider_);
    const __m256i ramp = _mm256_setr_epi16(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3);

    // prefix[u] = u x first pixel for u <= r (writes past r are overwritten below).
    const __m256i first = _mm256_set1_epi64x(static_cast<long long>(lanesOf(in[0])));
    __m256i run = _mm256_mullo_epi16(ramp, first);
    for (int u = 0; u <= r; u += 4) {
      store(prefix + 4 * u, run);
      run = _mm256_add_epi16(run, _mm256_slli_epi16(first, 2));
    }

    // The row itself, four pixels at a time: a prefix within the vector, then the carry.
    std::uint16_t* middle = prefix + 4 * (r + 1);
    long long carryLanes;
    std::memcpy(&carryLanes, prefix + 4 * r, sizeof carryLanes);
    __m256i carry = _mm256_set1_epi64x(carryLanes);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(in);
    int i = 0;
    for (; i + 4 <= width; i += 4) {
      __m256i v = widen(bytes + 4 * i);
      v = _mm256_add_epi16(v, _mm256_slli_si256(v, 8));
      v = _mm256_add_epi16(
          v, _mm256_blend_epi32(_mm256_setzero_si256(), _mm256_permute4x64_epi64(v, 0x55), 0xF0));
      store(middle + 4 * i, _mm256_add_epi16(v, carry));
      carry = _mm256_add_epi16(carry, _mm256_permute4x64_epi64(v, 0xFF));
    }
    for (; i < width; ++i) {
      for (int c = 0; c < 4; ++c) {
        middle[4 * i + c] = static_cast<std::uint16_t>(middle[4 * i + c - 4] + bytes[4 * i + c]);
      }
    }

    // prefix[r + width + k] = prefix[r + width] + k x last pixel for k = 1 .. r.
    const __m256i last = _mm256_set1_epi64x(static_cast<long long>(lanesOf(in[width - 1])));
    long long baseLanes;
    std::memcpy(&baseLanes, prefix + 4 * (r + width), sizeof baseLanes);
    run = _mm256_add_epi16(_mm256_set1_epi64x(baseLanes),
                           _mm256_mullo_epi16(_mm256_add_epi16(ramp, _mm256_set1_epi16(1)), last));
    for (int k = 1; k <= r; k += 4) {
      store(prefix + 4 * (r + width + k), run);
      run = _mm256_add_epi16(run, _mm256_slli_epi16(last, 2));
    }

    const __m256i rounding = _mm256_set1_epi16(static_cast<short>(r));
    const std::uint16_t* ahead = prefix + 4 * (2 * r + 1);
    auto* outBytes = reinterpret_cast<std::uint8_t*>(out);
    i = 0;
    for (; i + 8 <= width; i += 8) {
      const __m256i low = _mm256_sub_epi16(load(ahead + 4 * i), load(prefix + 4 * i));
      const __m256i high = _mm256_sub_epi16(load(ahead + 4 * i + 16), load(prefix + 4 * i + 16));
      averager.store(outBytes + 4 * i, _mm256_add_epi16(low, rounding),
                     _mm256_add_epi16(high, rounding));
    }
    for (int lane = 4 * i; lane < 4 * width; ++lane) {
      outBytes[lane] =
          averager.one(static_cast<std::uint16_t>(ahead[lane] - prefix[lane] + r), lane);
    }
  }

  ZARQ_AVX2 void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(row);
    const __m256i factor = _mm256_set1_epi16(static_cast<short>(times));
    const int lanes = 4 * width_;
    int lane = 0;
    for (; lane + 16 <= lanes; lane += 16) {
      store(sums + lane,
            _mm256_add_epi16(load(sums + lane), _mm256_mullo_epi16(widen(bytes + lane), factor)));
    }
    for (; lane < lanes; ++lane) sums[lane] = static_cast<Sum>(sums[lane] + times * bytes[lane]);
  }

  ZARQ_AVX2 void slideRow(Sum* sums, const std::uint32_t* entering, const std::uint32_t* leaving,
                          std::uint32_t* out) const {
    const auto* in = reinterpret_cast<const std::uint8_t*>(entering);
    const auto* gone = reinterpret_cast<const std::uint8_t*>(leaving);
    auto* outBytes = reinterpret_cast<std::uint8_t*>(out);
    const int lanes = 4 * width_;
    const Averager averager(divider_);
    int lane = 0;
    for (; lane + 32 <= lanes; lane += 32) {
      const __m256i low = _mm256_sub_epi16(_mm256_add_epi16(load(sums + lane), widen(in + lane)),
                                           widen(gone + lane));
      const __m256i high = _mm256_sub_epi16(
          _mm256_add_epi16(load(sums + lane + 16), widen(in + lane + 16)), widen(gone + lane + 16));
      store(sums + lane, low);
      store(sums + lane + 16, high);
      averager.store(outBytes + lane, low, high);
    }
    for (; lane < lanes; ++lane) {
      sums[lane] = static_cast<Sum>(sums[lane] + in[lane] - gone[lane]);
      outBytes[lane] = averager.one(sums[lane], lane);
    }
  }

 private:
  int width_;
  int radius_;
  Divider16 divider_;
  std::vector<std::uint16_t> prefix_;
};

bool hasAvx2() {
  static const bool supported = __builtin_cpu_supports("avx2");
  return supported;
}

}  // namespace

bool avx2BoxBlurRuns(int radius) { return hasAvx2() && divider16(radius).exact; }

std::unique_ptr<BoxBand> avx2BoxBand(Image& image, int radius, int first, int end,
                                     std::uint32_t* scratch) {
  if (!avx2BoxBlurRuns(radius)) return nullptr;
  return std::make_unique<BoxBandOf<Avx2Rows>>(image, radius, first, end, scratch);
}

}  // namespace zarq

#else

namespace zarq {

bool avx2BoxBlurRuns(int) { return false; }
std::unique_ptr<BoxBand> avx2BoxBand(Image&, int, int, int, std::uint32_t*) { return nullptr; }

}  // namespace zarq

#endif
