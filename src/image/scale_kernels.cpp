#include "image/scale_kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarq {
namespace {

constexpr int kHalf = 1 << (kWeightBits - 1);

std::uint8_t toByte(int sum) {
  return static_cast<std::uint8_t>(std::clamp((sum + kHalf) >> kWeightBits, 0, 255));
}

void blendRowsPortable(const std::uint8_t* const* rows, const std::int16_t* weights, int taps,
                       int from, int lanes, std::uint8_t* out) {
  for (int lane = from; lane < lanes; ++lane) {
    int sum = 0;
    for (int k = 0; k < taps; ++k) sum += weights[k] * rows[k][lane];
    out[lane] = toByte(sum);
  }
}

void blendColumnsPortable(const std::uint32_t* in, const ScaleTaps& columns, std::uint32_t* out,
                          int outputs) {
  for (int i = 0; i < outputs; ++i) {
    int sum[3] = {};
    const std::uint32_t* pixels = in + (columns.first[i] - columns.lowest);
    const std::int16_t* weights = columns.weights.data() + columns.offset[i];
    for (int k = 0; k < columns.padded[i]; ++k) {
      for (int c = 0; c < 3; ++c)
        sum[c] += weights[k] * static_cast<int>((pixels[k] >> (8 * c)) & 0xFF);
    }
    out[i] = toByte(sum[0]) | toByte(sum[1]) << 8 | toByte(sum[2]) << 16;
  }
}

#if defined(__SSE2__)

// Two 16-bit weights side by side, as _mm_madd_epi16 pairs them.
__m128i weightPair(const std::int16_t* weights) {
  std::int32_t pair;
  std::memcpy(&pair, weights, sizeof pair);
  return _mm_set1_epi32(pair);
}

__m128i roundedBytes(__m128i a, __m128i b, __m128i c, __m128i d) {
  const __m128i half = _mm_set1_epi32(kHalf);
  auto shifted = [&](__m128i v) { return _mm_srai_epi32(_mm_add_epi32(v, half), kWeightBits); };
  return _mm_packus_epi16(_mm_packs_epi32(shifted(a), shifted(b)),
                          _mm_packs_epi32(shifted(c), shifted(d)));
}

// Sixteen lanes at a time; the bytes of two rows are interleaved so that one multiply-add
// applies both rows' weights.
void blendRowsSse2(const std::uint8_t* const* rows, const std::int16_t* weights, int taps,
                   int lanes, std::uint8_t* out) {
  __m128i pairs[64];
  const int pairCount = taps / 2;
  const bool fits = pairCount <= 64;
  if (fits) {
    for (int p = 0; p < pairCount; ++p) pairs[p] = weightPair(weights + 2 * p);
  }
  const __m128i zero = _mm_setzero_si128();
  int lane = 0;
  for (; lane + 16 <= lanes; lane += 16) {
    __m128i sum0 = zero, sum1 = zero, sum2 = zero, sum3 = zero;
    for (int p = 0; p < pairCount; ++p) {
      const __m128i w = fits ? pairs[p] : weightPair(weights + 2 * p);
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[2 * p] + lane));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[2 * p + 1] + lane));
      const __m128i low = _mm_unpacklo_epi8(a, b);
      const __m128i high = _mm_unpackhi_epi8(a, b);
      sum0 = _mm_add_epi32(sum0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), w));
      sum1 = _mm_add_epi32(sum1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), w));
      sum2 = _mm_add_epi32(sum2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), w));
      sum3 = _mm_add_epi32(sum3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), w));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + lane), roundedBytes(sum0, sum1, sum2, sum3));
  }
  blendRowsPortable(rows, weights, taps, lane, lanes, out);
}

// One output pixel at a time, two source pixels per multiply-add.
void blendColumnsSse2(const std::uint32_t* in, const ScaleTaps& columns, std::uint32_t* out,
                      int outputs) {
  const __m128i zero = _mm_setzero_si128();
  for (int i = 0; i < outputs; ++i) {
    const std::uint32_t* pixels = in + (columns.first[i] - columns.lowest);
    const std::int16_t* weights = columns.weights.data() + columns.offset[i];
    __m128i sum = zero;
    for (int k = 0; k < columns.padded[i]; k += 2) {
      const __m128i two = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixels + k));
      const __m128i byChannel = _mm_unpacklo_epi8(two, _mm_srli_si128(two, 4));
      sum = _mm_add_epi32(
          sum, _mm_madd_epi16(_mm_unpacklo_epi8(byChannel, zero), weightPair(weights + k)));
    }
    const __m128i bytes = roundedBytes(sum, zero, zero, zero);
    out[i] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFF;
  }
}

#endif

}  // namespace

bool scaleKernelRuns([[maybe_unused]] ScaleKernel kernel) {
#if defined(__SSE2__)
  return true;
#else
  return kernel == ScaleKernel::Portable;
#endif
}

ScaleKernel fastestScaleKernel() {
  return scaleKernelRuns(ScaleKernel::Sse2) ? ScaleKernel::Sse2 : ScaleKernel::Portable;
}

void blendRows(ScaleKernel kernel, const std::uint8_t* const* rows, const std::int16_t* weights,
               int taps, int lanes, std::uint8_t* out) {
#if defined(__SSE2__)
  if (kernel == ScaleKernel::Sse2) return blendRowsSse2(rows, weights, taps, lanes, out);
#endif
  blendRowsPortable(rows, weights, taps, 0, lanes, out);
}

void blendColumns(ScaleKernel kernel, const std::uint32_t* in, const ScaleTaps& columns,
                  std::uint32_t* out, int outputs) {
#if defined(__SSE2__)
  if (kernel == ScaleKernel::Sse2) return blendColumnsSse2(in, columns, out, outputs);
#endif
  blendColumnsPortable(in, columns, out, outputs);
}

}  // namespace zarq
