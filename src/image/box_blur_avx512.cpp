// The box blur with AVX-512: sixteen pixels, thirty-two 16-bit lanes (or sixteen 32-bit ones),
// per instruction.
#include <cstdint>
#include <memory>
#include <type_traits>

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
  static constexpr int kPixels = 16;

  static Vec load(const void* p) { return _mm512_loadu_si512(p); }
  static void store(void* p, Vec v) { _mm512_storeu_si512(p, v); }
  static Vec loadSome(const std::uint32_t* p, int n) {
    return _mm512_maskz_loadu_epi32(some(n), p);
  }
  static void storeSome(std::uint32_t* p, Vec v, int n) { _mm512_mask_storeu_epi32(p, some(n), v); }
  static Vec set16(std::uint16_t n) { return _mm512_set1_epi16(static_cast<short>(n)); }
  static Vec set32(std::uint32_t n) { return _mm512_set1_epi32(static_cast<int>(n)); }
  static Vec bitAnd(Vec a, Vec b) { return _mm512_and_si512(a, b); }
  static Vec add(Vec a, Vec b) { return _mm512_add_epi16(a, b); }
  static Vec sub(Vec a, Vec b) { return _mm512_sub_epi16(a, b); }
  static Vec mullo(Vec a, Vec b) { return _mm512_mullo_epi16(a, b); }
  static Vec mulhi(Vec a, Vec b) { return _mm512_mulhi_epu16(a, b); }
  static Vec upperBytes(Vec v) { return _mm512_srli_epi16(v, 8); }
  // Per-lane counts: one instruction where a count in a register takes two.
  using ShiftCount = Vec;
  static ShiftCount shiftCount(int s) { return set16(static_cast<std::uint16_t>(s)); }
  static Vec shiftRight(Vec v, ShiftCount s) { return _mm512_srlv_epi16(v, s); }
  static Vec shiftLeft(Vec v, ShiftCount s) { return _mm512_sllv_epi16(v, s); }
  static Vec orMasked(Vec a, Vec b, Vec m) { return _mm512_ternarylogic_epi32(a, b, m, 0xF8); }

  static Vec add32(Vec a, Vec b) { return _mm512_add_epi32(a, b); }
  static Vec sub32(Vec a, Vec b) { return _mm512_sub_epi32(a, b); }
  static Vec mullo32(Vec a, Vec b) { return _mm512_mullo_epi32(a, b); }
  template <int kBits>
  static Vec shiftRight32(Vec v) {
    return _mm512_maskz_srli_epi32(0xFFFF, v, kBits);
  }
  template <int kBits>
  static Vec shiftLeft32(Vec v) {
    return _mm512_maskz_slli_epi32(0xFFFF, v, kBits);
  }
  static Vec bitOr(Vec a, Vec b) { return _mm512_or_si512(a, b); }
  using Floats = __m512;
  static Floats setFloat(float f) { return _mm512_set1_ps(f); }
  // (Masked forms again, for the same warning.)
  static Vec floorOf(Vec n, Floats m, Floats a) {
    const Floats product = _mm512_mul_ps(_mm512_maskz_cvtepi32_ps(0xFFFF, n), m);
    return _mm512_maskz_cvttps_epi32(0xFFFF, _mm512_add_ps(product, a));
  }

  // Pairs of elements, then pairs of pairs, within each 128-bit lane; then the lanes. (The
  // masked forms, all lanes set, spare GCC 12 a false warning.)
  [[gnu::always_inline]] static void transpose(Vec* rows) {
    Vec pairs[16], quads[16];
#pragma GCC unroll 16
    for (int i = 0; i < 16; i += 2) {
      pairs[i] = _mm512_maskz_unpacklo_epi32(0xFFFF, rows[i], rows[i + 1]);
      pairs[i + 1] = _mm512_maskz_unpackhi_epi32(0xFFFF, rows[i], rows[i + 1]);
    }
#pragma GCC unroll 16
    for (int i = 0; i < 16; i += 4) {
      quads[i] = _mm512_maskz_unpacklo_epi64(0xFF, pairs[i], pairs[i + 2]);
      quads[i + 1] = _mm512_maskz_unpackhi_epi64(0xFF, pairs[i], pairs[i + 2]);
      quads[i + 2] = _mm512_maskz_unpacklo_epi64(0xFF, pairs[i + 1], pairs[i + 3]);
      quads[i + 3] = _mm512_maskz_unpackhi_epi64(0xFF, pairs[i + 1], pairs[i + 3]);
    }
    // quads[4 q + j] holds, in lane L, pixel 4 L + j of rows 4 q to 4 q + 3.
    const auto lanes = [](Vec a, Vec b, auto order) {
      return _mm512_maskz_shuffle_i32x4(0xFFFF, a, b, decltype(order)::value);
    };
    using Evens = std::integral_constant<int, 0x88>;
    using Odds = std::integral_constant<int, 0xDD>;
#pragma GCC unroll 16
    for (int j = 0; j < 4; ++j) {
      const Vec even = lanes(quads[j], quads[4 + j], Evens{});
      const Vec odd = lanes(quads[j], quads[4 + j], Odds{});
      const Vec evenLow = lanes(quads[8 + j], quads[12 + j], Evens{});
      const Vec oddLow = lanes(quads[8 + j], quads[12 + j], Odds{});
      rows[j] = lanes(even, evenLow, Evens{});
      rows[8 + j] = lanes(even, evenLow, Odds{});
      rows[4 + j] = lanes(odd, oddLow, Evens{});
      rows[12 + j] = lanes(odd, oddLow, Odds{});
    }
  }

 private:
  static __mmask16 some(int n) { return static_cast<__mmask16>((1u << n) - 1); }
};

bool hasAvx512() {
  static const bool supported =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  return supported;
}

}  // namespace

bool avx512BoxBlurRuns(int radius) { return hasAvx512() && simdBoxBlurRuns<Avx512>(radius); }

std::unique_ptr<BoxStage> avx512BoxStage(const BoxSpan& span, int height, int radius,
                                         std::uint32_t* ring) {
  return hasAvx512() ? simdBoxStage<Avx512>(span, height, radius, ring) : nullptr;
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
