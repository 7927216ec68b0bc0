#pragma once
// The drawing surface on a GDI+ graphics context. Every call creates its pens, brushes,
// paths, fonts and formats and deletes them at its end; their statuses end up in the
// graphics wrapper's.

#include "backend/win32/gdiplus_object.h"
#include "backend/win32/gdiplus_text.h"
#include "platform/platform.h"

namespace zarq::win32 {

class GdiplusCanvas final : public Canvas {
 public:
  // Draws through `graphics`, whose world transform maps the frame's logical pixels to the
  // device's, `scale` device pixels to one logical pixel.
  // Text is drawn in `text`'s font, laid out as `text` measures it.
  GdiplusCanvas(GdipGraphics& graphics, GdiplusText& text, float scale);

  void fillRect(RectF rect, Argb colour) override;
  void fillEllipse(RectF bounds, Argb colour) override;
  void strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) override;
  void strokePath(const Path& path, const Pen& pen) override;
  void fillPath(const Path& path, Argb colour) override;
  void drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) override;
  void drawPixels(PixelView image, RectF dest) override;

 private:
  void createBrush(GdipBrush& brush, Argb colour);
  void createPen(GdipPen& pen, const Pen& style);
  void tracePath(GdipPath& target, const Path& path);
  // One run of text in one face of the font, laid out by GDI+.
  void drawString(TextView text, float sizePx, int face, Gdiplus::RectF rect, Align align,
                  GdipBrush& brush);
  // One run in a fallback face, glyph by glyph from `x` on the baseline.
  void drawGlyphs(TextView text, float sizePx, int face, float x, float baseline, GdipBrush& brush);

  GdipGraphics& graphics_;
  GdiplusText& text_;
  float scale_;
};

}  // namespace zarq::win32
