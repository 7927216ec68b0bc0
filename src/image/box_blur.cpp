#include "image/box_blur.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "image/box_blur_rows.h"
#include "image/helper_thread.h"

namespace zarq {
namespace {

std::uint32_t byteOf(std::uint32_t pixel, int channel) { return (pixel >> (8 * channel)) & 0xFF; }

// Plain C++ for any machine and any radius: 32-bit sums, one pixel at a time.
class PortableRows {
 public:
  using Sum = std::uint32_t;

  PortableRows(const BoxSpan& span, int radius)
      : span_(span), radius_(radius), reciprocal_(reciprocalOf(2 * radius + 1)) {}

  void blurRows(const std::uint32_t* const* in, std::uint32_t* const* out, int count) const {
    for (int i = 0; i < count; ++i) blurRow(in[i], out[i]);
  }

  void addRow(Sum* sums, const std::uint32_t* row, int times) const {
    for (int x = 0; x < span_.outWidth; ++x) {
      for (int c = 0; c < 3; ++c) sums[4 * x + c] += times * byteOf(row[x], c);
    }
  }

  void slideRows(Sum* sums, const std::uint32_t* const* entering,
                 const std::uint32_t* const* leaving, std::uint32_t* const* out, int count) const {
    for (int i = 0; i < count; ++i) slideRow(sums, entering[i], leaving[i], out[i]);
  }

 private:
  void blurRow(const std::uint32_t* in, std::uint32_t* out) const {
    const int width = span_.inWidth, end = span_.outOffset + span_.outWidth;
    Sum sum[3];
    for (int c = 0; c < 3; ++c) {
      sum[c] = radius_ + (radius_ + 1) * byteOf(in[0], c);
      for (int j = 0; j < radius_; ++j) sum[c] += byteOf(in[std::min(j, width - 1)], c);
    }
    for (int i = 0; i < end; ++i) {
      const std::uint32_t entering = in[std::min(i + radius_, width - 1)];
      const std::uint32_t leaving = in[std::max(i - radius_ - 1, 0)];
      std::uint32_t averaged = 0;
      for (int c = 0; c < 3; ++c) {
        sum[c] += byteOf(entering, c) - byteOf(leaving, c);
        averaged |= average(sum[c]) << (8 * c);
      }
      if (i >= span_.outOffset) out[i - span_.outOffset] = averaged;
    }
  }

  void slideRow(Sum* sums, const std::uint32_t* entering, const std::uint32_t* leaving,
                std::uint32_t* out) const {
    for (int x = 0; x < span_.outWidth; ++x) {
      std::uint32_t averaged = 0;
      for (int c = 0; c < 3; ++c) {
        Sum& sum = sums[4 * x + c];
        sum += byteOf(entering[x], c) - byteOf(leaving[x], c);
        averaged |= average(sum) << (8 * c);
      }
      out[x] = averaged;
    }
  }

  // floor(n / d) as (n * reciprocal) >> 40: exact for n < 2^29 and d < 2^11, which covers
  // every sum of 255-valued bytes over a window of at most 2 * kMaxBoxRadius + 1.
  static std::uint64_t reciprocalOf(int d) { return ((std::uint64_t{1} << 40) + d - 1) / d; }
  std::uint32_t average(Sum sum) const {
    return static_cast<std::uint32_t>((sum * reciprocal_) >> 40);
  }

  BoxSpan span_;
  int radius_;
  std::uint64_t reciprocal_;
};

std::unique_ptr<BoxStage> makeStage(BoxBlurKernel kernel, const BoxSpan& span, int height,
                                    int radius, std::uint32_t* ring) {
  if (kernel == BoxBlurKernel::Avx512) {
    if (auto stage = avx512BoxStage(span, height, radius, ring)) return stage;
  }
  if (kernel != BoxBlurKernel::Portable) {
    if (auto stage = avx2BoxStage(span, height, radius, ring)) return stage;
  }
  return std::make_unique<BoxStageOf<PortableRows>>(span, height, radius, ring);
}

// The boxes that blur columns [x, x + count) of the destination, reading from column
// `firstIn` of the source on.
struct ColumnChain {
  int x = 0, count = 0;
  int firstIn = 0;
  std::vector<std::unique_ptr<BoxStage>> stages;
  // Rows for each box but the last to put its output where its ring has no room.
  std::vector<std::array<std::uint32_t*, kBatchRows>> spare;
};

// Everything a chain needs is allocated here, before any thread runs, so that none can fail.
ColumnChain makeChain(BoxBlurKernel kernel, const Image& image, std::span<const int> boxes, int x,
                      int end, std::vector<std::uint32_t>& scratch) {
  const int height = image.getHeight();
  ColumnChain chain;
  chain.x = x;
  chain.count = end - x;
  // From the last box back: each reads its radius more on either side, within the picture.
  std::vector<BoxSpan> spans(boxes.size());
  int lo = x, hi = end;
  for (std::size_t k = boxes.size(); k-- > 0;) {
    const int inLo = std::max(0, lo - boxes[k]), inHi = std::min(image.getWidth(), hi + boxes[k]);
    spans[k] = {inHi - inLo, lo - inLo, hi - lo};
    lo = inLo;
    hi = inHi;
  }
  chain.firstIn = lo;

  std::size_t pixels = 0;
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    pixels += boxStageScratch(spans[k], height, boxes[k]) +
              (k + 1 < boxes.size() ? kBatchRows * wholeLines(spans[k].outWidth) : 0);
  }
  // Kept from one blur to the next: the preview blurs the same frame over and over, and
  // memory handed back to the system costs a page fault per page when taken again.
  std::uint32_t* free = onLine(scratch, pixels);
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    chain.stages.push_back(makeStage(kernel, spans[k], height, boxes[k], free));
    free += boxStageScratch(spans[k], height, boxes[k]);
    if (k + 1 < boxes.size()) {
      std::array<std::uint32_t*, kBatchRows>& rows = chain.spare.emplace_back();
      for (std::uint32_t*& row : rows) {
        row = free;
        free += wholeLines(spans[k].outWidth);
      }
    }
  }
  return chain;
}

// The next `count` output rows of box k, after taking in every row they need from the box
// before (or from the source, for the first): into `out`, or, without it, wherever the box
// puts them, told in `written`.
void pullRows(ColumnChain& chain, std::size_t k, const Image& source, std::uint32_t* const* out,
              const std::uint32_t** written, int count) {
  BoxStage& stage = *chain.stages[k];
  while (stage.rowsIn() < stage.rowsNeeded(count)) {
    const int rows = std::min(kBatchRows, source.getHeight() - stage.rowsIn());
    const std::uint32_t* in[kBatchRows];
    if (k == 0) {
      for (int i = 0; i < rows; ++i) in[i] = source.row(stage.rowsIn() + i) + chain.firstIn;
    } else {
      pullRows(chain, k - 1, source, nullptr, in, rows);
    }
    stage.push(in, rows);
  }
  if (out) {
    stage.pull(out, count);
  } else {
    stage.pullAnywhere(chain.spare[k].data(), written, count);
  }
}

void sweep(ColumnChain& chain, const Image& source, Image& destination,
           const FinishedSpan& finished) {
  const int height = destination.getHeight();
  for (int y = 0; y < height; y += kBatchRows) {
    const int rows = std::min(kBatchRows, height - y);
    std::uint32_t* out[kBatchRows];
    for (int i = 0; i < rows; ++i) out[i] = destination.row(y + i) + chain.x;
    if (chain.stages.empty()) {
      for (int i = 0; i < rows; ++i) {
        const std::uint32_t* in = source.row(y + i) + chain.x;
        for (int p = 0; p < chain.count; ++p) out[i][p] = in[p] & 0x00FFFFFF;
      }
    } else {
      pullRows(chain, chain.stages.size() - 1, source, out, nullptr, rows);
    }
    if (finished) {
      for (int i = 0; i < rows; ++i) finished(y + i, chain.x, chain.count);
    }
  }
}

// Below this many pixels handing half to the helper costs more than it saves.
constexpr long long kSplitArea = 256 * 256;

// The share of the columns the caller blurs itself when the helper takes the rest. A helper
// that was asleep is woken some tens of microseconds late, later still on a busy or virtual
// machine, and would end that much after the caller; each blur moves the share a little toward
// where both parts would have ended together.
class SplitShare {
 public:
  int columns(int width) const {
    const int split = static_cast<int>(std::lround(width * share_.load()));
    return std::clamp(split, 1, width - 1);
  }

  // The caller's part of `callerColumns` took `callerTime`; the helper's ended `helperEnd`
  // after the caller began.
  void update(int width, int callerColumns, double callerTime, double helperEnd) {
    if (callerTime <= 0) return;
    const double perColumn = callerTime / callerColumns;
    const double lateness = helperEnd - (width - callerColumns) * perColumn;
    const double balanced = (0.5 * width + 0.5 * lateness / perColumn) / width;
    const double next = 0.75 * share_.load() + 0.25 * balanced;
    share_.store(std::clamp(next, kLeast, 1 - kLeast));
  }

 private:
  static constexpr double kLeast = 0.35;
  std::atomic<double> share_ = 0.5;
};

}  // namespace

bool boxBlurKernelRuns(BoxBlurKernel kernel, int radius) {
  switch (kernel) {
    case BoxBlurKernel::Portable:
      return true;
    case BoxBlurKernel::Avx2:
      return avx2BoxBlurRuns(std::clamp(radius, 0, kMaxBoxRadius));
    case BoxBlurKernel::Avx512:
      return avx512BoxBlurRuns(std::clamp(radius, 0, kMaxBoxRadius));
  }
  return false;
}

void boxBlurs(const Image& source, Image& destination, std::span<const int> radii,
              const FinishedSpan& finished) {
  const bool large = static_cast<long long>(source.getWidth()) * source.getHeight() >= kSplitArea;
  // Alone while the helper is put off: two chains would only add their overlap.
  const bool shared = large && !HelperThread::shared().putOff();
  boxBlurs(source, destination, radii, BoxBlurKernel::Avx512, shared ? 2 : 1, finished);
}

void boxBlurs(const Image& source, Image& destination, std::span<const int> radii,
              BoxBlurKernel kernel, int parts, const FinishedSpan& finished) {
  const int width = source.getWidth(), height = source.getHeight();
  if (width == 0) return;
  if (&destination != &source) destination.reshape(width, height);
  // A box of one pixel changes nothing but the fourth bytes, which every box clears.
  std::vector<int> boxes;
  for (int radius : radii) {
    if (radius > 0) boxes.push_back(std::min(radius, kMaxBoxRadius));
  }
  // In place, the second part would read rows the first has already overwritten.
  if (&destination == &source || width < 2) parts = 1;

  static thread_local std::vector<std::uint32_t> scratch[2];
  if (parts < 2) {
    ColumnChain whole = makeChain(kernel, source, boxes, 0, width, scratch[0]);
    sweep(whole, source, destination, finished);
    return;
  }
  HelperThread& helper = HelperThread::shared();
  helper.wake();
  static SplitShare share;
  const int split = share.columns(width);
  ColumnChain left = makeChain(kernel, source, boxes, 0, split, scratch[0]);
  ColumnChain right = makeChain(kernel, source, boxes, split, width, scratch[1]);
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point helperEnd;
  const bool started = helper.start([&] {
    sweep(right, source, destination, finished);
    helperEnd = Clock::now();
  });
  sweep(left, source, destination, finished);
  const Clock::time_point callerEnd = Clock::now();
  if (!started || !helper.finish()) {
    sweep(right, source, destination, finished);
    return;
  }
  const auto since = [&](Clock::time_point t) {
    return std::chrono::duration<double>(t - start).count();
  };
  share.update(width, split, since(callerEnd), since(helperEnd));
}

}  // namespace zarq
