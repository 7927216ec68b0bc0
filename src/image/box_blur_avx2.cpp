// The box blur with AVX2: eight pixels, sixteen 16-bit lanes (or eight 32-bit ones), per
// instruction.
#include <cstdint>
#include <memory>

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
  static constexpr int kPixels = 8;

  static Vec load(const void* p) { return _mm256_loadu_si256(static_cast<const Vec*>(p)); }
  static void store(void* p, Vec v) { _mm256_storeu_si256(static_cast<Vec*>(p), v); }
  static Vec loadSome(const std::uint32_t* p, int n) {
    return _mm256_maskload_epi32(reinterpret_cast<const int*>(p), some(n));
  }
  static void storeSome(std::uint32_t* p, Vec v, int n) {
    _mm256_maskstore_epi32(reinterpret_cast<int*>(p), some(n), v);
  }
  static Vec set16(std::uint16_t n) { return _mm256_set1_epi16(static_cast<short>(n)); }
  static Vec set32(std::uint32_t n) { return _mm256_set1_epi32(static_cast<int>(n)); }
  static Vec bitAnd(Vec a, Vec b) { return _mm256_and_si256(a, b); }
  static Vec add(Vec a, Vec b) { return _mm256_add_epi16(a, b); }
  static Vec sub(Vec a, Vec b) { return _mm256_sub_epi16(a, b); }
  static Vec mullo(Vec a, Vec b) { return _mm256_mullo_epi16(a, b); }
  static Vec mulhi(Vec a, Vec b) { return _mm256_mulhi_epu16(a, b); }
  static Vec upperBytes(Vec v) { return _mm256_srli_epi16(v, 8); }
  using ShiftCount = __m128i;
  static ShiftCount shiftCount(int s) { return _mm_cvtsi32_si128(s); }
  static Vec shiftRight(Vec v, ShiftCount s) { return _mm256_srl_epi16(v, s); }
  static Vec shiftLeft(Vec v, ShiftCount s) { return _mm256_sll_epi16(v, s); }
  static Vec orMasked(Vec a, Vec b, Vec m) { return _mm256_or_si256(a, _mm256_and_si256(b, m)); }

  static Vec add32(Vec a, Vec b) { return _mm256_add_epi32(a, b); }
  static Vec sub32(Vec a, Vec b) { return _mm256_sub_epi32(a, b); }
  static Vec mullo32(Vec a, Vec b) { return _mm256_mullo_epi32(a, b); }
  template <int kBits>
  static Vec shiftRight32(Vec v) {
    return _mm256_srli_epi32(v, kBits);
  }
  template <int kBits>
  static Vec shiftLeft32(Vec v) {
    return _mm256_slli_epi32(v, kBits);
  }
  static Vec bitOr(Vec a, Vec b) { return _mm256_or_si256(a, b); }
  using Floats = __m256;
  static Floats setFloat(float f) { return _mm256_set1_ps(f); }
  static Vec floorOf(Vec n, Floats m, Floats a) {
    return _mm256_cvttps_epi32(_mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(n), m), a));
  }

  // Pairs of elements, then pairs of pairs, within each 128-bit lane; then the lanes.
  [[gnu::always_inline]] static void transpose(Vec* rows) {
    Vec pairs[8], quads[8];
#pragma GCC unroll 16
    for (int i = 0; i < 8; i += 2) {
      pairs[i] = _mm256_unpacklo_epi32(rows[i], rows[i + 1]);
      pairs[i + 1] = _mm256_unpackhi_epi32(rows[i], rows[i + 1]);
    }
#pragma GCC unroll 16
    for (int i = 0; i < 8; i += 4) {
      quads[i] = _mm256_unpacklo_epi64(pairs[i], pairs[i + 2]);
      quads[i + 1] = _mm256_unpackhi_epi64(pairs[i], pairs[i + 2]);
      quads[i + 2] = _mm256_unpacklo_epi64(pairs[i + 1], pairs[i + 3]);
      quads[i + 3] = _mm256_unpackhi_epi64(pairs[i + 1], pairs[i + 3]);
    }
    // quads[4 q + j] holds, in lane L, pixel 4 L + j of rows 4 q to 4 q + 3.
#pragma GCC unroll 16
    for (int j = 0; j < 4; ++j) {
      rows[j] = _mm256_permute2x128_si256(quads[j], quads[4 + j], 0x20);
      rows[4 + j] = _mm256_permute2x128_si256(quads[j], quads[4 + j], 0x31);
    }
  }

 private:
  static Vec some(int n) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(n), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
  }
};

bool hasAvx2() {
  static const bool supported = __builtin_cpu_supports("avx2");
  return supported;
}

}  // namespace

bool avx2BoxBlurRuns(int radius) { return hasAvx2() && simdBoxBlurRuns<Avx2>(radius); }

std::unique_ptr<BoxStage> avx2BoxStage(const BoxSpan& span, int height, int radius,
                                       std::uint32_t* ring) {
  return hasAvx2() ? simdBoxStage<Avx2>(span, height, radius, ring) : nullptr;
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
