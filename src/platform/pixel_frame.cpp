#include "platform/pixel_frame.h"

#include <algorithm>

namespace zarq {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000;

}  // namespace

void PixelFrame::setScale(float scale) {
  if (scale == scale_) return;
  scale_ = scale;
  letGo();
}

void PixelFrame::letGo() {
  stopDrawing();
  // clear() would keep the memory.
  std::vector<std::uint32_t>().swap(drawing_);
  std::vector<std::uint32_t>().swap(shown_);
}

void PixelFrame::makePixels() const {
  if (!shown_.empty()) return;
  const std::size_t count = static_cast<std::size_t>(width()) * height();
  drawing_.assign(count, kBlack);
  shown_.assign(count, kBlack);
}

const std::uint32_t* PixelFrame::shownPixels() const {
  makePixels();
  return shown_.data();
}

Canvas& PixelFrame::beginFrame() {
  makePixels();
  stopDrawing();
  std::fill(drawing_.begin(), drawing_.end(), kBlack);
  return startDrawing(drawing_.data());
}

void PixelFrame::present() {
  makePixels();
  stopDrawing();
  shown_ = drawing_;
  ++framesPresented_;
  if (onPresent_) onPresent_();
}

}  // namespace zarq
