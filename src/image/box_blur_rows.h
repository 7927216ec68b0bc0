#pragma once
// The sweep shared by the box blur kernels. A kernel supplies three row operations:
//
//   Rows(span, radius)                       prepares for rows of a span of columns
//   blurRow(in, out)                         out = the horizontal box of one row
//   addRow(sums, row, times)                 sums += times x each byte of row
//   slideRow(sums, entering, leaving, out)   sums += entering - leaving; out = the averages
//
// `sums` holds four counters per pixel (blue, green, red, fourth byte) of type Rows::Sum.
// blurRow reads span.inWidth pixels and writes the span.outWidth of them from outOffset on;
// the other operations work on rows of span.outWidth pixels.
//
// The boxes of a blur are swept down the image together, one row at a time: a row of the
// image goes through the first box's horizontal pass into that box's ring of 2r + 2 rows; a
// box makes its next output row by sliding its column sums down the ring, and that row goes
// straight into the next box's ring. Only the last box writes the image, at a row the first
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

// One box of the chain: rows go in at the top, blurred rows come out in order.
class BoxStage {
 public:
  virtual ~BoxStage() = default;
  // The number of input rows the next output row needs in.
  virtual int rowsNeeded() const = 0;
  virtual int rowsIn() const = 0;
  // Takes the next input row.
  virtual void push(const std::uint32_t* row) = 0;
  // Writes the next output row; rowsNeeded() rows must be in.
  virtual void pull(std::uint32_t* out) = 0;
};

// The columns a box reads of its input rows, and those of them it writes.
struct BoxSpan {
  int inWidth = 0;
  int outOffset = 0;
  int outWidth = 0;
};

// The pixels of scratch space a box of this radius needs over rows of this span: a ring of
// rows, each starting on a line.
inline std::size_t boxStageScratch(const BoxSpan& span, int height, int radius) {
  return static_cast<std::size_t>(std::min(2 * radius + 2, height)) * wholeLines(span.outWidth);
}

template <class Rows>
class BoxStageOf final : public BoxStage {
 public:
  BoxStageOf(const BoxSpan& span, int height, int radius, std::uint32_t* ring)
      : radius_(radius),
        stride_(wholeLines(span.outWidth)),
        height_(height),
        ringRows_(std::min(2 * radius + 2, height)),
        ring_(ring),
        rows_(span, radius),
        sums_(onLine(sumsBuffer_, 4 * static_cast<std::size_t>(span.outWidth))),
        sumCount_(4 * static_cast<std::size_t>(span.outWidth)) {}
  // sums_ points into sumsBuffer_.
  BoxStageOf(const BoxStageOf&) = delete;
  BoxStageOf& operator=(const BoxStageOf&) = delete;

  int rowsNeeded() const override { return clampRow(out_ + radius_) + 1; }
  int rowsIn() const override { return in_; }

  void push(const std::uint32_t* row) override { rows_.blurRow(row, ringRow(in_++)); }

  void pull(std::uint32_t* out) override {
    if (out_ == 0) startSums();
    const int y = out_++;
    rows_.slideRow(sums_, ringRow(clampRow(y + radius_)), ringRow(clampRow(y - radius_ - 1)), out);
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
  std::vector<typename Rows::Sum> sumsBuffer_;
  typename Rows::Sum* sums_;
  std::size_t sumCount_;
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
