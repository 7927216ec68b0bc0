#include "image/scale_image.h"

#include <algorithm>
#include <cstring>

namespace zarq {

RowScaler::RowScaler(int sourceWidth, int sourceHeight, const ScaleWindow& window,
                     Image& destination, int destinationTop, ScaleKernel kernel)
    : destination_(destination),
      destinationTop_(destinationTop),
      width_(window.width),
      kernel_(kernel) {
  if (window.width <= 0 || window.height <= 0) return;
  const bool sourceThere =
      sourceWidth > 0 && sourceHeight > 0 && window.fullWidth > 0 && window.fullHeight > 0;
  if (sourceThere) {
    columns_ = makeScaleTaps(sourceWidth, window.fullWidth, window.left, window.width);
    rows_ = makeScaleTaps(sourceHeight, window.fullHeight, window.top, window.height);
  }
  if (!sourceThere || columns_.readsNothing() || rows_.readsNothing()) {
    for (int y = 0; y < window.height; ++y) std::fill_n(outputRow(y), width_, 0);
    return;
  }

  // Rows first, over the source columns the window reads, then columns: shrinking the
  // number of rows early keeps the costlier horizontal pass small.
  spanWidth_ = columns_.highest - columns_.lowest + 1;
  ringRows_ = rows_.largestCount;
  ring_.resize(static_cast<std::size_t>(ringRows_) * spanWidth_);
  blended_.assign(spanWidth_ + 1, 0);
  tapRows_.resize(rows_.largestCount + 1);
  outputs_ = window.height;
  // The rows read: the outputs' runs only move down.
  for (int y = 0; y < outputs_; ++y) {
    if (rows_.count[y] == 0) continue;
    if (endRow_ == 0) firstRow_ = rows_.first[y];
    endRow_ = rows_.first[y] + rows_.count[y];
  }
  skipEmptyOutputs();
}

// Rows outside the picture are black.
void RowScaler::skipEmptyOutputs() {
  while (nextOutput_ < outputs_ && rows_.count[nextOutput_] == 0) {
    std::fill_n(outputRow(nextOutput_++), width_, 0);
  }
}

std::uint32_t* RowScaler::spanOfRow(int y) {
  if (nextOutput_ >= outputs_ || y < rows_.first[nextOutput_]) return nullptr;
  return ring_.data() + static_cast<std::size_t>(y % ringRows_) * spanWidth_;
}

void RowScaler::spanFilled(int y) {
  nextSourceRow_ = y + 1;
  // Outputs are made as soon as their last row is in; their rows all fit in the ring.
  while (nextOutput_ < outputs_ && rows_.first[nextOutput_] + rows_.count[nextOutput_] - 1 <= y) {
    produce(nextOutput_++);
    skipEmptyOutputs();
  }
}

void RowScaler::addRow(const std::uint32_t* pixels) {
  const int y = nextSourceRow_++;
  if (std::uint32_t* span = spanOfRow(y)) {
    std::memcpy(span, pixels + columns_.lowest, spanWidth_ * sizeof(std::uint32_t));
    spanFilled(y);
  }
}

void RowScaler::produce(int y) {
  const int first = rows_.first[y];
  const int count = rows_.count[y];
  for (int k = 0; k < rows_.padded[y]; ++k) {
    // The padding tap weighs 0; any row already in will do.
    const int source = first + std::min(k, count - 1);
    tapRows_[k] = reinterpret_cast<const std::uint8_t*>(
        ring_.data() + static_cast<std::size_t>(source % ringRows_) * spanWidth_);
  }
  blendRows(kernel_, tapRows_.data(), rows_.weights.data() + rows_.offset[y], rows_.padded[y],
            4 * spanWidth_, reinterpret_cast<std::uint8_t*>(blended_.data()));
  blendColumns(kernel_, blended_.data(), columns_, outputRow(y), width_);
}

void scaleImageWindow(Image& destination, const Image& source, const ScaleWindow& window,
                      ScaleKernel kernel) {
  if (window.width <= 0 || window.height <= 0) return;
  destination.reshape(window.width, window.height);
  RowScaler scaler(source.getWidth(), source.getHeight(), window, destination, 0, kernel);
  for (int y = 0; y < source.getHeight(); ++y) scaler.addRow(source.row(y));
}

void scaleImage(Image& destination, const Image& source, int width, int height) {
  scaleImageWindow(destination, source, {width, height, 0, 0, width, height});
}

}  // namespace zarq
