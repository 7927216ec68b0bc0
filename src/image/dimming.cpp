#include "image/dimming.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarq {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

// x / 255 rounded down, exact for every x below 2^16: (x * 0x8081) >> 23.
constexpr std::uint32_t kBy255 = 0x8081;

std::uint32_t dimByte(std::uint32_t c, std::uint32_t keep) {
  return ((c * keep + 127) * kBy255) >> 23;
}

}  // namespace

void dimPixels(const std::uint32_t* in, std::uint32_t* out, int count, int alpha) {
  const std::uint32_t keep = 255 - static_cast<std::uint32_t>(alpha & 0xFF);
  int i = 0;
#if defined(__SSE2__)
  // Four pixels at a time, each byte in a 16-bit lane.
  const __m128i zero = _mm_setzero_si128();
  const __m128i factor = _mm_set1_epi16(static_cast<short>(keep));
  const __m128i half = _mm_set1_epi16(127);
  const __m128i by255 = _mm_set1_epi16(static_cast<short>(kBy255));
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
  auto dim = [&](__m128i lanes) {
    lanes = _mm_add_epi16(_mm_mullo_epi16(lanes, factor), half);
    return _mm_srli_epi16(_mm_mulhi_epu16(lanes, by255), 7);
  };
  for (; i + 4 <= count; i += 4) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    const __m128i low = dim(_mm_unpacklo_epi8(pixels, zero));
    const __m128i high = dim(_mm_unpackhi_epi8(pixels, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                     _mm_or_si128(_mm_packus_epi16(low, high), opaque));
  }
#endif
  for (; i < count; ++i) {
    const std::uint32_t p = in[i];
    out[i] = kOpaque | dimByte((p >> 16) & 0xFF, keep) << 16 | dimByte((p >> 8) & 0xFF, keep) << 8 |
             dimByte(p & 0xFF, keep);
  }
}

void makeOpaque(std::uint32_t* pixels, int count) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
  for (; i + 4 <= count; i += 4) {
    auto* four = reinterpret_cast<__m128i*>(pixels + i);
    _mm_storeu_si128(four, _mm_or_si128(_mm_loadu_si128(four), opaque));
  }
#endif
  for (; i < count; ++i) pixels[i] |= kOpaque;
}

void dimPicture(const Image& picture, int alpha, Image& dimmed) {
  dimmed.reshape(picture.getWidth(), picture.getHeight());
  for (int y = 0; y < picture.getHeight(); ++y) {
    dimPixels(picture.row(y), dimmed.row(y), picture.getWidth(), alpha);
  }
}

}  // namespace zarq
