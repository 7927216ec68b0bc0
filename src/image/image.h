#pragma once
// An off-screen picture of 32-bit pixels, 0x00RRGGBB row by row from the top.

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace zarq {

class Image {
 public:
  Image() = default;
  // A black image of the given size; (0, 0) or any zero side makes an empty image.
  Image(int width, int height);
  // Takes over width x height pixels (a decoded picture) without copying them; a size that
  // does not match the pixels makes an empty image.
  Image(int width, int height, std::vector<std::uint32_t>&& pixels);

  // Zero in either size does nothing. Otherwise the image becomes width x height: the old
  // pixels stay at the top-left as far as they fit, new area is black.
  void resize(int width, int height);
  // Makes the image width x height with no promise about its pixels, keeping its memory when
  // that is large enough: for an image about to be overwritten whole. Zero in either size
  // makes it empty.
  void reshape(int width, int height);

  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  std::uint32_t* pixelBuffer() { return pixels_.data(); }
  const std::uint32_t* pixelBuffer() const { return pixels_.data(); }
  std::uint32_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  std::uint32_t pixel(int x, int y) const { return row(y)[x]; }
  void fill(std::uint32_t colour);
  PixelView view() const { return {pixels_.data(), width_, height_}; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// Copies all of `source` into `target` with its top-left corner at (x, y); pixels that fall
// outside the target are dropped, so negative offsets crop the source's left or top.
void blitImage(Image& target, int x, int y, const Image& source);

}  // namespace zarq
