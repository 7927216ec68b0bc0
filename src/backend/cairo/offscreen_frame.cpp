#include "backend/cairo/offscreen_frame.h"

#include <utility>

namespace zarq {
namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 720;

}  // namespace

OffscreenFrame::OffscreenFrame(PangoText& text) : text_(text) {
  drawing_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  shown_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
}

OffscreenFrame::~OffscreenFrame() {
  canvas_.reset();
  if (cr_) cairo_destroy(cr_);
  cairo_surface_destroy(drawing_);
  cairo_surface_destroy(shown_);
}

Canvas& OffscreenFrame::beginFrame() {
  canvas_.reset();
  if (cr_) cairo_destroy(cr_);
  cr_ = cairo_create(drawing_);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_paint(cr_);
  canvas_.emplace(cr_, text_);
  return *canvas_;
}

void OffscreenFrame::present() {
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
  cairo_surface_flush(shown_);
  const unsigned char* data = cairo_image_surface_get_data(shown_);
  const int stride = cairo_image_surface_get_stride(shown_);
  return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
}

bool OffscreenFrame::writePng(const std::filesystem::path& file) const {
  return cairo_surface_write_to_png(shown_, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace zarq
