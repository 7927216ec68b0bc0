#include "backend/win32/gdiplus_frame.h"

#include <cmath>

#include "backend/win32/png_encoder.h"

namespace zarq::win32 {

GdiplusFrame::GdiplusFrame(GdiplusText& text, float scale) : text_(text), scale_(scale) {
  resize();
}

void GdiplusFrame::setScale(float scale) {
  if (scale == scale_) return;
  scale_ = scale;
  resize();
}

void GdiplusFrame::resize() {
  canvas_.reset();
  graphics_.reset();
  bitmap_.reset();
  drawing_.clear();
  shown_.clear();
  width_ = static_cast<int>(std::ceil(kFrameWidth * scale_));
  height_ = static_cast<int>(std::ceil(kFrameHeight * scale_));
}

void GdiplusFrame::makePixels() const {
  if (!shown_.empty()) return;
  const std::size_t count = static_cast<std::size_t>(width_) * height_;
  drawing_.assign(count, 0xFF000000);
  shown_.assign(count, 0xFF000000);
  GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppARGB,
                            reinterpret_cast<BYTE*>(drawing_.data()), bitmap_.out());
}

Canvas& GdiplusFrame::beginFrame() {
  makePixels();
  canvas_.reset();
  GdipGetImageGraphicsContext(bitmap_.get(), graphics_.out());
  GdipGraphicsClear(graphics_.get(), 0xFF000000);
  GdipScaleWorldTransform(graphics_.get(), scale_, scale_, Gdiplus::MatrixOrderPrepend);
  canvas_.emplace(graphics_, text_, scale_);
  return *canvas_;
}

void GdiplusFrame::present() {
  makePixels();
  canvas_.reset();
  // Deleting the graphics context finishes its drawing into the pixels.
  graphics_.reset();
  shown_ = drawing_;
  ++framesPresented_;
  if (onPresent_) onPresent_();
}

std::string GdiplusFrame::pngBytes() const { return encodePng(shownPixels(), width_, height_); }

}  // namespace zarq::win32
