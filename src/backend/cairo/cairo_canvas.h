#pragma once
// The drawing surface on a cairo context.

#include <cairo.h>

#include "backend/cairo/pango_text.h"
#include "platform/platform.h"

namespace zarq {

class CairoCanvas final : public Canvas {
 public:
  CairoCanvas(cairo_t* cr, PangoText& text) : cr_(cr), text_(text) {}

  void fillRect(RectF rect, Argb colour) override;
  void fillEllipse(RectF bounds, Argb colour) override;
  void strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) override;
  void strokePath(const Path& path, const Pen& pen) override;
  void fillPath(const Path& path, Argb colour) override;
  void drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) override;
  void drawPixels(PixelView image, RectF dest) override;

 private:
  void setColour(Argb colour);
  void setPen(const Pen& pen);
  void tracePath(const Path& path);

  cairo_t* cr_;
  PangoText& text_;
};

}  // namespace zarq
