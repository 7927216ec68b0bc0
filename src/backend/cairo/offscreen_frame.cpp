#include "backend/cairo/offscreen_frame.h"

#include <cmath>
#include <utility>

namespace zarq {
namespace {

cairo_surface_t* frameSurface(double scale) {
  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(kFrameWidth * scale)),
      static_cast<int>(std::ceil(kFrameHeight * scale)));
  cairo_surface_set_device_scale(surface, scale, scale);
  return surface;
}

cairo_status_t appendBytes(void* out, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

OffscreenFrame::OffscreenFrame(PangoText& text) : text_(text) {}

void OffscreenFrame::makeSurfaces() const {
  if (drawing_) return;
  drawing_ = frameSurface(scale_);
  shown_ = frameSurface(scale_);
}

void OffscreenFrame::destroySurfaces() {
  canvas_.reset();
  if (cr_) {
    cairo_destroy(cr_);
    cr_ = nullptr;
  }
  if (drawing_) cairo_surface_destroy(drawing_);
  if (shown_) cairo_surface_destroy(shown_);
  drawing_ = shown_ = nullptr;
}

void OffscreenFrame::setScale(double scale) {
  if (scale == scale_) return;
  destroySurfaces();
  scale_ = scale;
}

OffscreenFrame::~OffscreenFrame() { destroySurfaces(); }

Canvas& OffscreenFrame::beginFrame() {
  makeSurfaces();
  canvas_.reset();
  if (cr_) cairo_destroy(cr_);
  cr_ = cairo_create(drawing_);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_paint(cr_);
  canvas_.emplace(cr_, text_);
  return *canvas_;
}

void OffscreenFrame::present() {
  makeSurfaces();
  canvas_.reset();
  if (cr_) {
    cairo_destroy(cr_);
    cr_ = nullptr;
  }
  cairo_surface_flush(drawing_);
  std::swap(drawing_, shown_);
  ++framesPresented_;
  if (onPresent_) onPresent_();
}

std::uint32_t OffscreenFrame::pixel(int x, int y) const {
  makeSurfaces();
  cairo_surface_flush(shown_);
  const unsigned char* data = cairo_image_surface_get_data(shown_);
  const int stride = cairo_image_surface_get_stride(shown_);
  return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
}

std::string OffscreenFrame::pngBytes() const {
  makeSurfaces();
  std::string bytes;
  cairo_surface_write_to_png_stream(shown_, appendBytes, &bytes);
  return bytes;
}

}  // namespace zarq
