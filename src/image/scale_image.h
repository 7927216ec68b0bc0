#pragma once
// Resampling of the illustration to the size of the preview: a Catmull-Rom bicubic, its
// support widened by the shrink factor when shrinking so that a large picture does not
// alias, the picture's edges repeated beyond it.

#include <cstdint>
#include <vector>

#include "image/image.h"
#include "image/scale_filter.h"
#include "image/scale_kernels.h"

namespace zarq {

// The rectangle at (left, top), width x height, of a picture scaled to fullWidth x
// fullHeight. Only the rectangle is ever made, so a long, thin picture whose scaled size
// would be enormous costs no more than any other.
struct ScaleWindow {
  long long fullWidth = 0, fullHeight = 0;
  long long left = 0, top = 0;
  int width = 0, height = 0;
};

// Resamples a picture that arrives one row at a time, from the top, into rows
// [destinationTop, destinationTop + window.height) of `destination`, which must be at least
// window.width wide; where the window leaves the scaled picture it is black. Each row is
// written once the source rows it needs are in.
class RowScaler {
 public:
  RowScaler(int sourceWidth, int sourceHeight, const ScaleWindow& window, Image& destination,
            int destinationTop = 0, ScaleKernel kernel = fastestScaleKernel());
  // The next source row, sourceWidth pixels; their fourth bytes are ignored.
  void addRow(const std::uint32_t* pixels);

  // For a caller that makes only what is read, in place: the source rows read are
  // [firstRow(), endRow()) and their columns [firstColumn(), firstColumn() + columnCount()).
  int firstRow() const { return firstRow_; }
  int endRow() const { return endRow_; }
  int firstColumn() const { return columns_.lowest; }
  int columnCount() const { return spanWidth_; }
  // Where the read columns of source row y go, nullptr when the row is not read; rows come
  // in order, those before firstRow() may be left out. spanFilled(y) once they are there.
  std::uint32_t* spanOfRow(int y);
  void spanFilled(int y);

 private:
  void skipEmptyOutputs();
  void produce(int y);
  std::uint32_t* outputRow(int y) { return destination_.row(destinationTop_ + y); }

  Image& destination_;
  int destinationTop_;
  int width_;
  ScaleKernel kernel_;
  ScaleTaps columns_, rows_;
  int spanWidth_ = 0;
  int ringRows_ = 0;
  std::vector<std::uint32_t> ring_;     // recent source rows, their read columns only
  std::vector<std::uint32_t> blended_;  // one row after the vertical pass, plus a spare pixel
  std::vector<const std::uint8_t*> tapRows_;
  int outputs_ = 0;  // the window's rows, or 0 when there is nothing to scale
  int firstRow_ = 0, endRow_ = 0;
  int nextSourceRow_ = 0;
  int nextOutput_ = 0;
};

// Makes destination window.width x window.height and fills it with that window of source.
void scaleImageWindow(Image& destination, const Image& source, const ScaleWindow& window,
                      ScaleKernel kernel = fastestScaleKernel());

// Makes destination width x height and fills it with source resampled to that size. Nothing
// happens when either size is not positive; an empty source gives black.
void scaleImage(Image& destination, const Image& source, int width, int height);

}  // namespace zarq
