#include "backend/win32/gdiplus_canvas.h"

#include "backend/win32/gdiplus_text.h"
#include "backend/win32/wide_text.h"

namespace zarq::win32 {

GdiplusCanvas::GdiplusCanvas(GdipGraphics& graphics, const GdiplusFont& font, float scale)
    : graphics_(graphics), font_(font), scale_(scale) {
  graphics_.track(GdipSetSmoothingMode(graphics_.get(), Gdiplus::SmoothingModeAntiAlias));
  graphics_.track(GdipSetTextRenderingHint(graphics_.get(), kTextRendering));
}

void GdiplusCanvas::createBrush(GdipBrush& brush, Argb colour) {
  Gdiplus::GpSolidFill* fill = nullptr;
  graphics_.track(GdipCreateSolidFill(colour, &fill));
  *brush.out() = fill;
}

void GdiplusCanvas::createPen(GdipPen& pen, const Pen& style) {
  graphics_.track(GdipCreatePen1(style.colour, style.width, Gdiplus::UnitPixel, pen.out()));
  if (style.roundCaps) {
    pen.track(GdipSetPenLineCap197819(pen.get(), Gdiplus::LineCapRound, Gdiplus::LineCapRound,
                                      Gdiplus::DashCapRound));
  }
  if (style.roundJoins) pen.track(GdipSetPenLineJoin(pen.get(), Gdiplus::LineJoinRound));
}

void GdiplusCanvas::tracePath(GdipPath& target, const Path& path) {
  graphics_.track(GdipCreatePath(Gdiplus::FillModeAlternate, target.out()));
  for (const PathSegment& s : path.segments) {
    if (s.kind == PathSegment::Kind::Line) {
      target.track(GdipAddPathLine(target.get(), s.a, s.b, s.c, s.d));
    } else {
      target.track(GdipAddPathArc(target.get(), s.a, s.b, s.c, s.d, s.startDeg, s.sweepDeg));
    }
  }
}

void GdiplusCanvas::fillRect(RectF rect, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  graphics_.track(GdipFillRectangle(graphics_.get(), brush.get(), rect.x, rect.y, rect.w, rect.h));
}

void GdiplusCanvas::fillEllipse(RectF bounds, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  graphics_.track(
      GdipFillEllipse(graphics_.get(), brush.get(), bounds.x, bounds.y, bounds.w, bounds.h));
}

void GdiplusCanvas::strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) {
  GdipPen gdipPen;
  createPen(gdipPen, pen);
  graphics_.track(GdipDrawLine(graphics_.get(), gdipPen.get(), x1, y1, x2, y2));
}

void GdiplusCanvas::strokePath(const Path& path, const Pen& pen) {
  GdipPen gdipPen;
  createPen(gdipPen, pen);
  GdipPath gdipPath;
  tracePath(gdipPath, path);
  graphics_.track(GdipDrawPath(graphics_.get(), gdipPen.get(), gdipPath.get()));
}

void GdiplusCanvas::fillPath(const Path& path, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  GdipPath gdipPath;
  tracePath(gdipPath, path);
  graphics_.track(GdipFillPath(graphics_.get(), brush.get(), gdipPath.get()));
}

void GdiplusCanvas::drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) {
  if (text.empty()) return;
  GdipFont font;
  font_.createFont(font, sizePx);
  GdipStringFormat format;
  graphics_.track(GdipCreateStringFormat(0, LANG_NEUTRAL, format.out()));
  // One line, never cut off at the rectangle's edges, as on every other platform.
  format.track(GdipSetStringFormatFlags(
      format.get(), Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip));
  format.track(
      GdipSetStringFormatAlign(format.get(), static_cast<Gdiplus::StringAlignment>(align)));
  GdipBrush brush;
  createBrush(brush, colour);
  const std::wstring line = wide(text);
  // The form's vertical layout was made for a font whose ascent is one em; the fallback
  // families reach higher, so their baseline is put where that font's would be.
  const float shift = sizePx * (1 - font_.ascentEm());
  const Gdiplus::RectF rect(layout.x, layout.y + shift, layout.w, layout.h);
  graphics_.track(GdipDrawString(graphics_.get(), line.c_str(), static_cast<INT>(line.size()),
                                 font.get(), &rect, format.get(), brush.get()));
}

void GdiplusCanvas::drawPixels(PixelView image, RectF dest) {
  if (image.width <= 0 || image.height <= 0) return;
  // The pixels are borrowed, not copied: the bitmap lives only for this call.
  GdipBitmap bitmap;
  // An opaque picture is copied without blending.
  graphics_.track(GdipCreateBitmapFromScan0(
      image.width, image.height, image.width * 4,
      image.opaque ? PixelFormat32bppRGB : PixelFormat32bppARGB,
      reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels)), bitmap.out()));
  // Pixel for pixel the picture is copied as it is (the preview then looks the same on every
  // platform); scaled, it is resampled smoothly.
  const bool pixelForPixel = scale_ == 1 && dest.w == image.width && dest.h == image.height;
  graphics_.track(GdipSetInterpolationMode(
      graphics_.get(), pixelForPixel ? Gdiplus::InterpolationModeNearestNeighbor
                                     : Gdiplus::InterpolationModeHighQualityBicubic));
  graphics_.track(GdipSetPixelOffsetMode(graphics_.get(), Gdiplus::PixelOffsetModeHalf));
  graphics_.track(GdipDrawImageRect(graphics_.get(), bitmap.get(), dest.x, dest.y, dest.w, dest.h));
}

}  // namespace zarq::win32
