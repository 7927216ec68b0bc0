#include "image/scale_image.h"

#include <algorithm>
#include <cstring>

namespace zarq {

RowScaler::RowScaler(int sourceWidth, int sourceHeight, const ScaleWindow& window,
                     Image& destination, ScaleKernel kernel)
    : destination_(destination), kernel_(kernel) {
  if (window.width <= 0 || window.height <= 0) return;
  destination.resize(window.width, window.height);
  destination.fill(0);
  if (sourceWidth <= 0 || sourceHeight <= 0 || window.fullWidth <= 0 || window.fullHeight <= 0) {
    return;
  }
  columns_ = makeScaleTaps(sourceWidth, window.fullWidth, window.left, window.width);
  rows_ = makeScaleTaps(sourceHeight, window.fullHeight, window.top, window.height);
  if (columns_.readsNothing() || rows_.readsNothing()) return;

  // Rows first, over the source columns the window reads, then columns: shrinking the
  // number of rows early keeps the costlier horizontal pass small.
  spanWidth_ = columns_.highest - columns_.lowest + 1;
  ringRows_ = rows_.largestCount;
  ring_.resize(static_cast<std::size_t>(ringRows_) * spanWidth_);
  blended_.assign(spanWidth_ + 1, 0);
  tapRows_.resize(rows_.largestCount + 1);
  outputs_ = window.height;
  skipEmptyOutputs();
}

void RowScaler::skipEmptyOutputs() {
  while (nextOutput_ < outputs_ && rows_.count[nextOutput_] == 0) ++nextOutput_;
}

void RowScaler::addRow(const std::uint32_t* pixels) {
  const int y = nextSourceRow_++;
  if (nextOutput_ >= outputs_ || y < rows_.first[nextOutput_]) return;
  std::memcpy(ring_.data() + static_cast<std::size_t>(y % ringRows_) * spanWidth_,
              pixels + columns_.lowest, spanWidth_ * sizeof(std::uint32_t));
  // Outputs are made as soon as their last row is in; their rows all fit in the ring.
  while (nextOutput_ < outputs_ && rows_.first[nextOutput_] + rows_.count[nextOutput_] - 1 <= y) {
    produce(nextOutput_++);
    skipEmptyOutputs();
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
  blendColumns(kernel_, blended_.data(), columns_, destination_.row(y), destination_.getWidth());
}

void scaleImageWindow(Image& destination, const Image& source, const ScaleWindow& window,
                      ScaleKernel kernel) {
  RowScaler scaler(source.getWidth(), source.getHeight(), window, destination, kernel);
  for (int y = 0; y < source.getHeight(); ++y) scaler.addRow(source.row(y));
}

void scaleImage(Image& destination, const Image& source, int width, int height) {
  scaleImageWindow(destination, source, {width, height, 0, 0, width, height});
}

}  // namespace zarq
