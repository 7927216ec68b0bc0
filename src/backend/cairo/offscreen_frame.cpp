#include "backend/cairo/offscreen_frame.h"

#include <cmath>

namespace zarq {
namespace {

CairoSurface frameSurface(double scale, const OffscreenFrame::SurfaceMaker& make) {
  const int width = static_cast<int>(std::ceil(kFrameWidth * scale));
  const int height = static_cast<int>(std::ceil(kFrameHeight * scale));
  CairoSurface surface(make ? make(width, height)
                            : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_surface_set_device_scale(surface.get(), scale, scale);
  return surface;
}

cairo_status_t appendBytes(void* out, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

OffscreenFrame::OffscreenFrame(PangoText& text) : text_(text) {}

void OffscreenFrame::makeSurface() const {
  if (!surface_) surface_ = frameSurface(scale_, make_);
}

void OffscreenFrame::surfacesFrom(SurfaceMaker make) {
  make_ = std::move(make);
  if (!surface_) return;
  CairoSurface old = std::move(surface_);
  makeSurface();
  const CairoContext copy(cairo_create(surface_.get()));
  cairo_set_source_surface(copy.get(), old.get(), 0, 0);
  cairo_set_operator(copy.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(copy.get());
}

void OffscreenFrame::letGo() {
  if (!surface_) return;
  canvas_.reset();
  cr_.reset();
  // Waits for the display to have read shared memory it was shown from, which then goes back
  // at once instead of staying with the display's pool.
  cairo_surface_flush(surface_.get());
  surface_.reset();
}

void OffscreenFrame::setScale(double scale) {
  if (scale == scale_) return;
  canvas_.reset();
  cr_.reset();
  scale_ = scale;
  // Made again at the new scale when next drawn or looked at.
  surface_.reset();
}

Canvas& OffscreenFrame::beginFrame() {
  makeSurface();
  canvas_.reset();
  cr_.reset(cairo_create(surface_.get()));
  cairo_set_source_rgb(cr_.get(), 0, 0, 0);
  cairo_paint(cr_.get());
  canvas_.emplace(cr_.get(), text_);
  return *canvas_;
}

void OffscreenFrame::present() {
  makeSurface();
  canvas_.reset();
  cr_.reset();
  cairo_surface_flush(surface_.get());
  ++framesPresented_;
  if (onPresent_) onPresent_();
}

std::uint32_t OffscreenFrame::pixel(int x, int y) const {
  makeSurface();
  cairo_surface_flush(surface_.get());
  const unsigned char* data = cairo_image_surface_get_data(surface_.get());
  const int stride = cairo_image_surface_get_stride(surface_.get());
  return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
}

std::string OffscreenFrame::pngBytes() const {
  makeSurface();
  std::string bytes;
  cairo_surface_write_to_png_stream(surface_.get(), appendBytes, &bytes);
  return bytes;
}

}  // namespace zarq
