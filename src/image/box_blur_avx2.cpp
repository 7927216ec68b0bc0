// The box blur with AVX2: four pixels, sixteen 16-bit lanes, per instruction.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "image/box_blur_rows.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>

// Everything from here on is built for the instruction set (clang spells it differently).
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
#include "image/box_blur_simd.h"

namespace zarq {
namespace {

struct Avx2 {
  using Vec = __m256i;
  static constexpr int kPixels = 4;

  static Vec set1(std::uint16_t n) { return _mm256_set1_epi16(static_cast<short>(n)); }
  static Vec pixel(std::uint64_t lanes) {
    return _mm256_set1_epi64x(static_cast<long long>(lanes));
  }
  static Vec load(const std::uint16_t* lanes) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes));
  }
  static void store(std::uint16_t* lanes, Vec v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), v);
  }
  static Vec widen(const std::uint8_t* bytes) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)));
  }
  static Vec add(Vec a, Vec b) { return _mm256_add_epi16(a, b); }
  static Vec sub(Vec a, Vec b) { return _mm256_sub_epi16(a, b); }
  static Vec mullo(Vec a, Vec b) { return _mm256_mullo_epi16(a, b); }
  using ShiftCount = __m128i;
  static ShiftCount shiftCount(int shift) { return _mm_cvtsi32_si128(shift); }
  static Vec mulhiShift(Vec v, Vec multiplier, ShiftCount shift) {
    return _mm256_srl_epi16(_mm256_mulhi_epu16(v, multiplier), shift);
  }
  static Vec runningSum(Vec v) {
    v = _mm256_add_epi16(v, _mm256_slli_si256(v, 8));
    return _mm256_add_epi16(
        v, _mm256_blend_epi32(_mm256_setzero_si256(), _mm256_permute4x64_epi64(v, 0x55), 0xF0));
  }
  static Vec lastPixel(Vec v) { return _mm256_permute4x64_epi64(v, 0xFF); }
  static void packStore(std::uint8_t* out, Vec low, Vec high) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                        _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8));
  }
};

bool hasAvx2() {
  static const bool supported = __builtin_cpu_supports("avx2");
  return supported;
}

}  // namespace

bool avx2BoxBlurRuns(int radius) { return hasAvx2() && divider16(radius).exact; }

std::unique_ptr<BoxStage> avx2BoxStage(const BoxSpan& span, int height, int radius,
                                       std::uint32_t* ring) {
  if (!avx2BoxBlurRuns(radius)) return nullptr;
  return std::make_unique<BoxStageOf<SimdRows<Avx2>>>(span, height, radius, ring);
}

}  // namespace zarq

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#else

namespace zarq {

bool avx2BoxBlurRuns(int) { return false; }
std::unique_ptr<BoxStage> avx2BoxStage(const BoxSpan&, int, int, std::uint32_t*) { return nullptr; }

}  // namespace zarq

#endif
