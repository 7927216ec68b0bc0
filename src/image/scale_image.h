#pragma once
// Resampling of the illustration to the size of the preview: a Catmull-Rom bicubic, its
// support widened by the shrink factor when shrinking so that a large picture does not
// alias, edges repeated beyond the picture.

#include "image/image.h"

namespace zarq {

// The part of `source` scaled to fullWidth x fullHeight that covers the rectangle at
// (left, top) of width x height: the pixels scaleImage would give there, without making the
// whole scaled picture (which for a long, thin picture could be enormous). Pixels of the
// rectangle outside the scaled picture are black.
struct ScaleWindow {
  long long fullWidth = 0, fullHeight = 0;
  long long left = 0, top = 0;
  int width = 0, height = 0;
};
void scaleImageWindow(Image& destination, const Image& source, const ScaleWindow& window);

// Makes destination width x height and fills it with source resampled to that size. Nothing
// happens when either size is not positive; an empty source gives black.
void scaleImage(Image& destination, const Image& source, int width, int height);

}  // namespace zarq
