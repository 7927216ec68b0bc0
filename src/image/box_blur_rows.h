#pragma once
// The sweep shared by the box blur kernels. A kernel supplies three row operations:
//
//   Rows(span, radius)                          prepares for rows of a span of columns
//   blurRows(in, out, count)                    out[i] = the horizontal box of row in[i]
//   addRow(sums, row, times)                    sums += times x each byte of row
//   slideRows(sums, entering, leaving, out, n)  for each of n rows in turn: sums += its
//                                               entering row - its leaving row; out = the
//                                               averages
//
// `sums` holds four counters per pixel (blue, green, red, fourth byte) of type Rows::Sum, in
// an order of the kernel's own. blurRows reads span.inWidth pixels of each row and writes the
// span.outWidth of them from outOffset on; the other operations work on rows of
// span.outWidth pixels, and may read a row of the ring up to its padding.
//
// The boxes of a blur are swept down the image together, kBatchRows rows at a time: rows of
// the image go through the first box's horizontal pass into that box's ring of rows; a box
// makes its next output rows by sliding its column sums down the ring, writing each over the
// ring row that has just left its window, and the next box blurs them across into its own
// ring from there. Only the last box writes the image, at rows the first
// has already read, so the image is read once and written once, in place, and everything
// between stays in the cache.
//
// A blur can also be made in columns side by side, each by a chain of its own: a box reads
// its rows r pixels wider on each side than it writes, except at the picture's edges, which
// it repeats as the whole picture's blur does.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace zarq {

// A vector load or store that crosses a 64-byte cache line costs two, and the buffers of a
// blur are swept a vector at a time: they start on a line.
inline constexpr std::size_t kLineBytes = 64;

// The first element of `buffer`, grown to hold `count` elements from there, that lies
// `skew` elements past a line's start.
template <class T>
T* onLine(std::vector<T>& buffer, std::size_t count, std::size_t skew = 0) {
  constexpr std::size_t perLine = kLineBytes / sizeof(T);
  if (buffer.size() < count + 2 * perLine) buffer.resize(count + 2 * perLine);
  const auto address = reinterpret_cast<std::uintptr_t>(buffer.data());
  const std::size_t ahead = (kLineBytes - address % kLineBytes) % kLineBytes / sizeof(T);
  return buffer.data() + ahead + skew % perLine;
}

// The pixels of whole lines that hold this many.
inline std::size_t wholeLines(std::size_t pixels) {
  constexpr std::size_t perLine = kLineBytes / sizeof(std::uint32_t);
  return (pixels + perLine - 1) / perLine * perLine;
}

// Averages stay exact up to this radius (the 16-bit kernels check their own limits).
inline constexpr int kMaxBoxRadius = 1023;

// Rows go through a chain of boxes this many at a time: enough to take a box's sums from
// memory once for many rows, and to blur rows across in squares of pixels.
inline constexpr int kBatchRows = 16;

// One box of the chain: rows go in at the top, blurred rows come out in order.
class BoxStage {
 public:
  virtual ~BoxStage() = default;
  // The number of input rows the next `count` output rows need in.
  virtual int rowsNeeded(int count) const = 0;
  virtual int rowsIn() const = 0;
  // Takes the next `count` input rows, at most kBatchRows.
  virtual void push(const std::uint32_t* const* rows, int count) = 0;
  // Writes the next `count` output rows, at most kBatchRows; rowsNeeded(count) rows must be in.
  virtual void pull(std::uint32_t* const* out, int count) = 0;
  // The same, each row over the ring row that has just left its window (still in the cache,
  // so the write fetches nothing), or into the spare row where none has; `written` tells
  // where. They stay until the next push.
  virtual void pullAnywhere(std::uint32_t* const* spare, const std::uint32_t** written,
                            int count) = 0;
};

// The columns a box reads of its input rows, and those of them it writes.
struct BoxSpan {
  int inWidth = 0;
  int outOffset = 0;
  int outWidth = 0;
};

// The rows a box's ring holds: its window, the rows slid over in one batch and those taken
// in ahead of them.
inline int boxRingRows(int height, int radius) {
  return std::min(2 * radius + 2 + 2 * kBatchRows, height);
}

// The pixels of scratch space a box of this radius needs over rows of this span: a ring of
// rows, each starting on a line.
inline std::size_t boxStageScratch(const BoxSpan& span, int height, int radius) {
  return static_cast<std::size_t>(boxRingRows(height, radius)) * wholeLines(span.outWidth);
}

template <class Rows>
class BoxStageOf final : public BoxStage {
 public:
  BoxStageOf(const BoxSpan& span, int height, int radius, std::uint32_t* ring)
      : radius_(radius),
        stride_(wholeLines(span.outWidth)),
        height_(height),
        ringRows_(boxRingRows(height, radius)),
        ring_(ring),
        rows_(span, radius),
        sumCount_(4 * wholeLines(span.outWidth)),
        sums_(onLine(sumsBuffer_, sumCount_)) {}
  // sums_ points into sumsBuffer_.
  BoxStageOf(const BoxStageOf&) = delete;
  BoxStageOf& operator=(const BoxStageOf&) = delete;

  int rowsNeeded(int count) const override { return clampRow(out_ + count - 1 + radius_) + 1; }
  int rowsIn() const override { return in_; }

  void push(const std::uint32_t* const* rows, int count) override {
    std::uint32_t* into[kBatchRows];
    for (int i = 0; i < count; ++i) into[i] = ringRow(in_ + i);
    rows_.blurRows(rows, into, count);
    in_ += count;
  }

  void pull(std::uint32_t* const* out, int count) override {
    if (out_ == 0) startSums();
    const std::uint32_t* entering[kBatchRows];
    const std::uint32_t* leaving[kBatchRows];
    for (int i = 0; i < count; ++i) {
      entering[i] = ringRow(clampRow(out_ + i + radius_));
      leaving[i] = ringRow(clampRow(out_ + i - radius_ - 1));
    }
    rows_.slideRows(sums_, entering, leaving, out, count);
    out_ += count;
  }

  // Each row is written after its leaving row is read, strip by strip, so it may be that row.
  void pullAnywhere(std::uint32_t* const* spare, const std::uint32_t** written,
                    int count) override {
    std::uint32_t* out[kBatchRows];
    for (int i = 0; i < count; ++i) {
      // Rows above the top leave the window again and again as the top row.
      const int gone = out_ + i - radius_ - 1;
      out[i] = gone >= 0 ? ringRow(gone) : spare[i];
      written[i] = out[i];
    }
    pull(out, count);
  }

 private:
  int clampRow(int y) const { return std::clamp(y, 0, height_ - 1); }
  std::uint32_t* ringRow(int y) {
    return ring_ + static_cast<std::size_t>(y % ringRows_) * stride_;
  }

  // The column sums of the window of the row above the first, plus `radius` so that the
  // kernels' floor division rounds to nearest. Window rows beyond an edge repeat it.
  void startSums() {
    std::fill(sums_, sums_ + sumCount_, static_cast<typename Rows::Sum>(radius_));
    int pending = -1, times = 0;
    for (int y = -1 - radius_; y <= radius_ - 1; ++y) {
      const int row = clampRow(y);
      if (row != pending && times > 0) {
        rows_.addRow(sums_, ringRow(pending), times);
        times = 0;
      }
      pending = row;
      ++times;
    }
    rows_.addRow(sums_, ringRow(pending), times);
  }

  int radius_;
  std::size_t stride_;
  int height_;
  int ringRows_;
  std::uint32_t* ring_;
  Rows rows_;
  std::size_t sumCount_;
  std::vector<typename Rows::Sum> sumsBuffer_;
  typename Rows::Sum* sums_;
  int in_ = 0;
  int out_ = 0;
};

// The vector kernels: whether each runs on this machine for this radius, and a box of it,
// null when it does not run.
bool avx2BoxBlurRuns(int radius);
std::unique_ptr<BoxStage> avx2BoxStage(const BoxSpan& span, int height, int radius,
                                       std::uint32_t* ring);
bool avx512BoxBlurRuns(int radius);
std::unique_ptr<BoxStage> avx512BoxStage(const BoxSpan& span, int height, int radius,
                                         std::uint32_t* ring);

}  // namespace zarq
