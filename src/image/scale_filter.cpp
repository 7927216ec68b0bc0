#include "image/scale_filter.h"

#include <algorithm>
#include <cmath>

namespace zarq {
namespace {

// Keys' cubic with a = -0.5.
double catmullRom(double t) {
  t = std::abs(t);
  if (t < 1) return (1.5 * t - 2.5) * t * t + 1;
  if (t < 2) return ((-0.5 * t + 2.5) * t - 4) * t + 2;
  return 0;
}

}  // namespace

ScaleTaps makeScaleTaps(int sourceSize, long long fullSize, long long offset, int outputs) {
  ScaleTaps taps;
  const double scale = static_cast<double>(sourceSize) / fullSize;
  const double widening = std::max(scale, 1.0);
  const double support = 2 * widening;
  std::vector<double> bins;
  for (int i = 0; i < outputs; ++i) {
    const long long position = offset + i;
    taps.offset.push_back(static_cast<int>(taps.weights.size()));
    if (position < 0 || position >= fullSize) {
      taps.first.push_back(0);
      taps.count.push_back(0);
      taps.padded.push_back(0);
      continue;
    }
    const double centre = (position + 0.5) * scale - 0.5;
    const long long from = static_cast<long long>(std::ceil(centre - support));
    const long long to = static_cast<long long>(std::floor(centre + support));
    // Positions beyond the edge count as the edge pixel.
    const int first = static_cast<int>(std::clamp<long long>(from, 0, sourceSize - 1));
    const int last = static_cast<int>(std::clamp<long long>(to, 0, sourceSize - 1));
    bins.assign(last - first + 1, 0);
    double total = 0;
    for (long long j = from; j <= to; ++j) {
      const double w = catmullRom((j - centre) / widening);
      bins[std::clamp<long long>(j, 0, sourceSize - 1) - first] += w;
      total += w;
    }
    int sum = 0;
    std::size_t largest = 0;
    const std::size_t start = taps.weights.size();
    for (std::size_t k = 0; k < bins.size(); ++k) {
      const int w = static_cast<int>(std::lround(bins[k] / total * (1 << kWeightBits)));
      taps.weights.push_back(static_cast<std::int16_t>(w));
      sum += w;
      if (bins[k] > bins[largest]) largest = k;
    }
    taps.weights[start + largest] =
        static_cast<std::int16_t>(taps.weights[start + largest] + (1 << kWeightBits) - sum);
    const int count = static_cast<int>(bins.size());
    if (count % 2) taps.weights.push_back(0);
    taps.first.push_back(first);
    taps.count.push_back(count);
    taps.padded.push_back(count + count % 2);
    taps.lowest = std::min(taps.lowest, first);
    taps.highest = std::max(taps.highest, last);
    taps.largestCount = std::max(taps.largestCount, count);
  }
  return taps;
}

}  // namespace zarq
