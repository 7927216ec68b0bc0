#include "image/image.h"

#include <algorithm>
#include <cstring>

namespace zarq {

Image::Image(int width, int height) {
  if (width > 0 && height > 0) resize(width, height);
}

Image::Image(int width, int height, std::vector<std::uint32_t>&& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) {
    return;
  }
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
}

void Image::fill(std::uint32_t colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Image::resize(int width, int height) {
  if (width <= 0 || height <= 0) return;
  std::vector<std::uint32_t> grown(static_cast<std::size_t>(width) * height, 0);
  const int keepW = std::min(width, width_);
  const int keepH = std::min(height, height_);
  for (int row = 0; row < keepH; ++row) {
    std::memcpy(&grown[static_cast<std::size_t>(row) * width],
                &pixels_[static_cast<std::size_t>(row) * width_], keepW * sizeof(std::uint32_t));
  }
  pixels_ = std::move(grown);
  width_ = width;
  height_ = height;
}

void Image::reshape(int width, int height) {
  if (width <= 0 || height <= 0) width = height = 0;
  pixels_.resize(static_cast<std::size_t>(width) * height);
  width_ = width;
  height_ = height;
}

void blitImage(Image& target, int x, int y, const Image& source) {
  const int fromX = std::max(0, -x), fromY = std::max(0, -y);
  const int toX = std::min(source.getWidth(), target.getWidth() - x);
  const int toY = std::min(source.getHeight(), target.getHeight() - y);
  if (fromX >= toX) return;
  for (int row = fromY; row < toY; ++row) {
    std::memcpy(
        target.pixelBuffer() + static_cast<std::size_t>(row + y) * target.getWidth() + x + fromX,
        source.pixelBuffer() + static_cast<std::size_t>(row) * source.getWidth() + fromX,
        (toX - fromX) * sizeof(std::uint32_t));
  }
}

}  // namespace zarq
