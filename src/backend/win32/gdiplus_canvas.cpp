#include "backend/win32/gdiplus_canvas.h"

#include <vector>

#include "backend/win32/gdiplus_text.h"
#include "backend/win32/wide_text.h"

namespace zarq::win32 {

GdiplusCanvas::GdiplusCanvas(GdipGraphics& graphics, GdiplusText& text, float scale)
    : graphics_(graphics), text_(text), scale_(scale) {
  GdipSetSmoothingMode(graphics_.get(), Gdiplus::SmoothingModeAntiAlias);
  GdipSetTextRenderingHint(graphics_.get(), kTextRendering);
}

void GdiplusCanvas::createBrush(GdipBrush& brush, Argb colour) {
  Gdiplus::GpSolidFill* fill = nullptr;
  GdipCreateSolidFill(colour, &fill);
  *brush.out() = fill;
}

void GdiplusCanvas::createPen(GdipPen& pen, const Pen& style) {
  GdipCreatePen1(style.colour, style.width, Gdiplus::UnitPixel, pen.out());
  if (style.roundCaps) {
    GdipSetPenLineCap197819(pen.get(), Gdiplus::LineCapRound, Gdiplus::LineCapRound,
                            Gdiplus::DashCapRound);
  }
  if (style.roundJoins) GdipSetPenLineJoin(pen.get(), Gdiplus::LineJoinRound);
}

void GdiplusCanvas::tracePath(GdipPath& target, const Path& path) {
  GdipCreatePath(Gdiplus::FillModeAlternate, target.out());
  for (const PathSegment& s : path.segments) {
    if (s.kind == PathSegment::Kind::Line) {
      GdipAddPathLine(target.get(), s.a, s.b, s.c, s.d);
    } else {
      GdipAddPathArc(target.get(), s.a, s.b, s.c, s.d, s.startDeg, s.sweepDeg);
    }
  }
}

void GdiplusCanvas::fillRect(RectF rect, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  GdipFillRectangle(graphics_.get(), brush.get(), rect.x, rect.y, rect.w, rect.h);
}

void GdiplusCanvas::fillEllipse(RectF bounds, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  GdipFillEllipse(graphics_.get(), brush.get(), bounds.x, bounds.y, bounds.w, bounds.h);
}

void GdiplusCanvas::strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) {
  GdipPen gdipPen;
  createPen(gdipPen, pen);
  GdipDrawLine(graphics_.get(), gdipPen.get(), x1, y1, x2, y2);
}

void GdiplusCanvas::strokePath(const Path& path, const Pen& pen) {
  GdipPen gdipPen;
  createPen(gdipPen, pen);
  GdipPath gdipPath;
  tracePath(gdipPath, path);
  GdipDrawPath(graphics_.get(), gdipPen.get(), gdipPath.get());
}

void GdiplusCanvas::fillPath(const Path& path, Argb colour) {
  GdipBrush brush;
  createBrush(brush, colour);
  GdipPath gdipPath;
  tracePath(gdipPath, path);
  GdipFillPath(graphics_.get(), brush.get(), gdipPath.get());
}

void GdiplusCanvas::drawGlyphs(TextView text, float sizePx, int face, float x, float baseline,
                               GdipBrush& brush) {
  const GlyphRun run = text_.font().glyphs(face, text);
  if (run.glyphs.empty()) return;
  std::vector<Gdiplus::PointF> origins;
  for (const float advance : run.advancesEm) {
    origins.emplace_back(x, baseline);
    x += advance * sizePx;
  }
  GdipFont font;
  text_.font().createFont(font, sizePx, face);
  GdipDrawDriverString(graphics_.get(), run.glyphs.data(), static_cast<INT>(run.glyphs.size()),
                       font.get(), brush.get(), origins.data(), 0, nullptr);
}

void GdiplusCanvas::drawString(TextView text, float sizePx, int face, Gdiplus::RectF rect,
                               Align align, GdipBrush& brush) {
  GdipFont font;
  text_.font().createFont(font, sizePx, face);
  GdipStringFormat format;
  GdipCreateStringFormat(0, LANG_NEUTRAL, format.out());
  // One line, never cut off at the rectangle's edges, as on every other platform.
  GdipSetStringFormatFlags(format.get(),
                           Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
  GdipSetStringFormatAlign(format.get(), static_cast<Gdiplus::StringAlignment>(align));
  // The form's vertical layout was made for a font whose ascent is one em; the fallback
  // families reach higher, so their baseline is put where that font's would be.
  rect.Y += sizePx * (1 - text_.font().ascentEm(face));
  const std::wstring line = wide(text);
  GdipDrawString(graphics_.get(), line.c_str(), static_cast<INT>(line.size()), font.get(), &rect,
                 format.get(), brush.get());
}

void GdiplusCanvas::drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) {
  const std::vector<FaceRun> runs = text_.font().faceRuns(text);
  if (runs.empty()) return;
  GdipBrush brush;
  createBrush(brush, colour);
  const Gdiplus::RectF rect(layout.x, layout.y, layout.w, layout.h);
  if (runs.size() == 1 && runs[0].face == 0) {
    return drawString(text, sizePx, 0, rect, align, brush);
  }
  // Other faces: each run drawn where it falls on the line the whole text makes, on the
  // baseline the form's layout expects one em below the top.
  const std::vector<PlacedRun> placed = text_.placeRuns(text, sizePx);
  const float margin = text_.margin(sizePx);
  const float width = placed.back().x + placed.back().advance;
  const float start = lineStart(align, layout, width, margin);
  for (const PlacedRun& p : placed) {
    const TextView part = text.substr(p.run.begin, p.run.end - p.run.begin);
    if (p.run.face > 0) {
      drawGlyphs(part, sizePx, p.run.face, start + p.x, layout.y + sizePx, brush);
    } else {
      const Gdiplus::RectF at(start + p.x - margin, layout.y, p.advance + 2 * margin, layout.h);
      drawString(part, sizePx, 0, at, Align::Near, brush);
    }
  }
}

void GdiplusCanvas::drawPixels(PixelView image, RectF dest) {
  if (image.width <= 0 || image.height <= 0) return;
  // The pixels are borrowed, not copied: the bitmap lives only for this call.
  GdipBitmap bitmap;
  // An opaque picture is copied without blending.
  GdipCreateBitmapFromScan0(image.width, image.height, image.width * 4,
                            image.opaque ? PixelFormat32bppRGB : PixelFormat32bppARGB,
                            reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels)),
                            bitmap.out());
  // Pixel for pixel the picture is copied as it is (the preview then looks the same on every
  // platform); scaled, it is resampled smoothly.
  const bool pixelForPixel = scale_ == 1 && dest.w == image.width && dest.h == image.height;
  GdipSetInterpolationMode(graphics_.get(), pixelForPixel
                                                ? Gdiplus::InterpolationModeNearestNeighbor
                                                : Gdiplus::InterpolationModeHighQualityBicubic);
  GdipSetPixelOffsetMode(graphics_.get(), Gdiplus::PixelOffsetModeHalf);
  GdipDrawImageRect(graphics_.get(), bitmap.get(), dest.x, dest.y, dest.w, dest.h);
}

}  // namespace zarq::win32
