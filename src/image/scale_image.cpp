#include "image/scale_image.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace zarq {
namespace {

// Keys' cubic with a = -0.5.
double catmullRom(double t) {
  t = std::abs(t);
  if (t < 1) return (1.5 * t - 2.5) * t * t + 1;
  if (t < 2) return ((-0.5 * t + 2.5) * t - 4) * t + 2;
  return 0;
}

// For each output position along one axis, the source positions it reads (already clamped
// to the picture) and their weights, which add up to 1.
struct Filter {
  std::vector<int> start;  // taps of output i are start[i] .. start[i + 1] - 1
  std::vector<int> source;
  std::vector<float> weight;
  int lowest = INT_MAX, highest = -1;  // the span of source positions read; none if empty

  int taps(int i) const { return start[i + 1] - start[i]; }
};

Filter makeFilter(int sourceSize, long long fullSize, long long offset, int count) {
  Filter filter;
  filter.start.reserve(count + 1);
  filter.start.push_back(0);
  const double scale = static_cast<double>(sourceSize) / fullSize;
  const double widening = std::max(scale, 1.0);
  const double support = 2 * widening;
  std::vector<double> raw;
  for (int i = 0; i < count; ++i) {
    const long long position = offset + i;
    if (position >= 0 && position < fullSize) {
      const double centre = (position + 0.5) * scale - 0.5;
      const long long first = static_cast<long long>(std::ceil(centre - support));
      const long long last = static_cast<long long>(std::floor(centre + support));
      raw.clear();
      double total = 0;
      for (long long j = first; j <= last; ++j) {
        const double w = catmullRom((j - centre) / widening);
        if (w == 0) continue;
        const int clamped = static_cast<int>(std::clamp<long long>(j, 0, sourceSize - 1));
        filter.source.push_back(clamped);
        raw.push_back(w);
        total += w;
        filter.lowest = std::min(filter.lowest, clamped);
        filter.highest = std::max(filter.highest, clamped);
      }
      for (std::size_t k = 0; k < raw.size(); ++k) {
        filter.weight.push_back(static_cast<float>(raw[k] / total));
      }
    }
    filter.start.push_back(static_cast<int>(filter.source.size()));
  }
  return filter;
}

using Floats4 = float __attribute__((vector_size(16)));
using Bytes4 = std::uint8_t __attribute__((vector_size(4)));

Floats4 widen(const std::uint8_t* bytes) {
  Bytes4 b;
  std::memcpy(&b, bytes, sizeof b);
  return __builtin_convertvector(b, Floats4);
}

// Rounded to the nearest byte value, overshoots of the cubic's lobes cut off.
void storeBytes(std::uint8_t* out, Floats4 v) {
  v += 0.5f;
  v = v < 0.f ? Floats4{} : v;
  v = v > 255.f ? Floats4{} + 255.f : v;
  const Bytes4 b = __builtin_convertvector(v, Bytes4);
  std::memcpy(out, &b, sizeof b);
}

// One row of the vertical pass: `lanes` bytes starting at byte `from` of each source row,
// weighted and summed, 32 lanes at a time with a plain tail.
void blendRows(const Image& source, const Filter& rows, int i, int from, int lanes,
               std::uint8_t* out) {
  const int first = rows.start[i];
  const int taps = rows.taps(i);
  auto sourceBytes = [&](int k) {
    return reinterpret_cast<const std::uint8_t*>(source.row(rows.source[first + k])) + from;
  };
  int lane = 0;
  for (; lane + 32 <= lanes; lane += 32) {
    Floats4 sum[8] = {};
    for (int k = 0; k < taps; ++k) {
      const std::uint8_t* bytes = sourceBytes(k) + lane;
      const float w = rows.weight[first + k];
      for (int part = 0; part < 8; ++part) sum[part] += widen(bytes + 4 * part) * w;
    }
    for (int part = 0; part < 8; ++part) storeBytes(out + lane + 4 * part, sum[part]);
  }
  for (; lane < lanes; ++lane) {
    float sum = 0;
    for (int k = 0; k < taps; ++k) sum += sourceBytes(k)[lane] * rows.weight[first + k];
    out[lane] = static_cast<std::uint8_t>(std::clamp(sum + 0.5f, 0.f, 255.f));
  }
}

// One row of the horizontal pass, a pixel's four bytes at a time.
void blendColumns(const std::uint32_t* in, int inFirst, const Filter& columns,
                  std::uint32_t* out, int count) {
  for (int i = 0; i < count; ++i) {
    Floats4 sum = {};
    for (int k = columns.start[i]; k < columns.start[i + 1]; ++k) {
      sum += widen(reinterpret_cast<const std::uint8_t*>(&in[columns.source[k] - inFirst])) *
             columns.weight[k];
    }
    storeBytes(reinterpret_cast<std::uint8_t*>(&out[i]), sum);
    out[i] &= 0x00FFFFFF;
  }
}

}  // namespace

void scaleImageWindow(Image& destination, const Image& source, const ScaleWindow& window) {
  if (window.width <= 0 || window.height <= 0) return;
  destination.resize(window.width, window.height);
  destination.fill(0);
  if (source.getWidth() == 0 || source.getHeight() == 0) return;
  if (window.fullWidth <= 0 || window.fullHeight <= 0) return;

  const Filter columns =
      makeFilter(source.getWidth(), window.fullWidth, window.left, window.width);
  const Filter rows = makeFilter(source.getHeight(), window.fullHeight, window.top, window.height);
  if (columns.highest < columns.lowest) return;

  // Rows first: it shrinks the amount of data most cheaply, and only the source columns the
  // horizontal pass reads are blended.
  const int spanWidth = columns.highest - columns.lowest + 1;
  std::vector<std::uint32_t> blended(static_cast<std::size_t>(spanWidth));
  for (int y = 0; y < window.height; ++y) {
    if (rows.taps(y) == 0) continue;
    blendRows(source, rows, y, 4 * columns.lowest, 4 * spanWidth,
              reinterpret_cast<std::uint8_t*>(blended.data()));
    blendColumns(blended.data(), columns.lowest, columns, destination.row(y), window.width);
  }
}

void scaleImage(Image& destination, const Image& source, int width, int height) {
  scaleImageWindow(destination, source, {width, height, 0, 0, width, height});
}

}  // namespace zarq
