// The box blur with AVX-512: eight pixels, thirty-two 16-bit lanes, per instruction.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "image/box_blur_rows.h"

// Windows keeps AVX2: its compiler cannot promise the 64-byte stack alignment that spilled
// AVX-512 registers need.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#include <immintrin.h>

// Everything from here on is built for the instruction set (clang spells it differently).
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f,avx512bw"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw")
#endif
#include "image/box_blur_simd.h"

namespace zarq {
namespace {

struct Avx512 {
  using Vec = __m512i;
  static constexpr int kPixels = 8;

  static Vec set1(std::uint16_t n) { return _mm512_set1_epi16(static_cast<short>(n)); }
  static Vec pixel(std::uint64_t lanes) { return _mm512_set1_epi64(static_cast<long long>(lanes)); }
  static Vec load(const std::uint16_t* lanes) { return _mm512_loadu_si512(lanes); }
  static void store(std::uint16_t* lanes, Vec v) { _mm512_storeu_si512(lanes, v); }
  static Vec widen(const std::uint8_t* bytes) {
    return _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes)));
  }
  static Vec add(Vec a, Vec b) { return _mm512_add_epi16(a, b); }
  static Vec sub(Vec a, Vec b) { return _mm512_sub_epi16(a, b); }
  static Vec mullo(Vec a, Vec b) { return _mm512_mullo_epi16(a, b); }
  using ShiftCount = __m128i;
  static ShiftCount shiftCount(int shift) { return _mm_cvtsi32_si128(shift); }
  static Vec mulhiShift(Vec v, Vec multiplier, ShiftCount shift) {
    return _mm512_srl_epi16(_mm512_mulhi_epu16(v, multiplier), shift);
  }
  // Each pixel is a 64-bit element: shifting the vector up by 1, 2 and 4 elements adds in
  // the pixels before it. (The masked forms, all lanes set, spare GCC 12 a false warning.)
  static Vec runningSum(Vec v) {
    const Vec zero = _mm512_setzero_si512();
    v = _mm512_add_epi16(v, _mm512_mask_alignr_epi64(zero, 0xFF, v, zero, 7));
    v = _mm512_add_epi16(v, _mm512_mask_alignr_epi64(zero, 0xFF, v, zero, 6));
    return _mm512_add_epi16(v, _mm512_mask_alignr_epi64(zero, 0xFF, v, zero, 4));
  }
  static Vec lastPixel(Vec v) { return permute(_mm512_set1_epi64(7), v); }
  // The pack interleaves the two vectors by 128-bit lane; the permutation puts the low
  // vector's bytes first.
  static void packStore(std::uint8_t* out, Vec low, Vec high) {
    _mm512_storeu_si512(
        out, permute(_mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7), _mm512_packus_epi16(low, high)));
  }
  static Vec permute(Vec order, Vec v) {
    return _mm512_mask_permutexvar_epi64(_mm512_setzero_si512(), 0xFF, order, v);
  }
};

bool hasAvx512() {
  static const bool supported =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  return supported;
}

}  // namespace

bool avx512BoxBlurRuns(int radius) { return hasAvx512() && divider16(radius).exact; }

std::unique_ptr<BoxStage> avx512BoxStage(const BoxSpan& span, int height, int radius,
                                         std::uint32_t* ring) {
  if (!avx512BoxBlurRuns(radius)) return nullptr;
  return std::make_unique<BoxStageOf<SimdRows<Avx512>>>(span, height, radius, ring);
}

}  // namespace zarq

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#else

namespace zarq {

bool avx512BoxBlurRuns(int) { return false; }
std::unique_ptr<BoxStage> avx512BoxStage(const BoxSpan&, int, int, std::uint32_t*) {
  return nullptr;
}

}  // namespace zarq

#endif
