#include "backend/cairo/cairo_canvas.h"

#include <cmath>
#include <numbers>

#include "backend/cairo/cairo_owned.h"

namespace zarq {
namespace {

// Where the baseline of a line lies below the top of its layout rectangle, in em.
constexpr double kBaselineEm = 1.0;

}  // namespace

void CairoCanvas::setColour(Argb colour) {
  cairo_set_source_rgba(cr_, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                        (colour & 0xFF) / 255.0, ((colour >> 24) & 0xFF) / 255.0);
}

void CairoCanvas::setPen(const Pen& pen) {
  setColour(pen.colour);
  cairo_set_line_width(cr_, pen.width);
  cairo_set_line_cap(cr_, pen.roundCaps ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, pen.roundJoins ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
}

void CairoCanvas::tracePath(const Path& path) {
  cairo_new_path(cr_);
  bool first = true;
  for (const PathSegment& s : path.segments) {
    if (s.kind == PathSegment::Kind::Line) {
      if (first) {
        cairo_move_to(cr_, s.a, s.b);
      } else {
        cairo_line_to(cr_, s.a, s.b);
      }
      cairo_line_to(cr_, s.c, s.d);
    } else {
      const double toRadians = std::numbers::pi / 180.0;
      const double start = s.startDeg * toRadians;
      const double end = (s.startDeg + s.sweepDeg) * toRadians;
      const CairoSavedState saved(cr_);
      cairo_translate(cr_, s.a + s.c / 2.0, s.b + s.d / 2.0);
      cairo_scale(cr_, s.c / 2.0 > 0 ? s.c / 2.0 : 1e-6, s.d / 2.0 > 0 ? s.d / 2.0 : 1e-6);
      if (s.sweepDeg >= 0) {
        cairo_arc(cr_, 0, 0, 1, start, end);
      } else {
        cairo_arc_negative(cr_, 0, 0, 1, start, end);
      }
    }
    first = false;
  }
}

void CairoCanvas::fillRect(RectF rect, Argb colour) {
  setColour(colour);
  cairo_rectangle(cr_, rect.x, rect.y, rect.w, rect.h);
  cairo_fill(cr_);
}

void CairoCanvas::fillEllipse(RectF bounds, Argb colour) {
  setColour(colour);
  {
    // The circle is traced scaled; the fill is not.
    const CairoSavedState saved(cr_);
    cairo_translate(cr_, bounds.x + bounds.w / 2.0, bounds.y + bounds.h / 2.0);
    cairo_scale(cr_, bounds.w / 2.0, bounds.h / 2.0);
    cairo_new_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * std::numbers::pi);
  }
  cairo_fill(cr_);
}

void CairoCanvas::strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) {
  setPen(pen);
  cairo_new_path(cr_);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  cairo_stroke(cr_);
}

void CairoCanvas::strokePath(const Path& path, const Pen& pen) {
  setPen(pen);
  tracePath(path);
  cairo_stroke(cr_);
}

void CairoCanvas::fillPath(const Path& path, Argb colour) {
  setColour(colour);
  tracePath(path);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr_);
}

void CairoCanvas::drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) {
  if (text.empty()) return;
  PangoLayout* line = text_.createLayout(text, sizePx);
  PangoRectangle logical;
  pango_layout_get_extents(line, nullptr, &logical);
  const double advance = static_cast<double>(logical.width) / PANGO_SCALE;
  const double margin = sizePx / 6.0;
  double left = layout.x + margin;
  if (align == Align::Centre) left = layout.x + (layout.w - advance) / 2;
  if (align == Align::Far) left = layout.x + layout.w - margin - advance;
  // The form's vertical layout was made for a font whose ascent is one em; the CJK
  // fallbacks reach higher, so their baseline is put where that font's would be.
  const double baseline = static_cast<double>(pango_layout_get_baseline(line)) / PANGO_SCALE;
  setColour(colour);
  cairo_move_to(cr_, left, layout.y + kBaselineEm * sizePx - baseline);
  pango_cairo_show_layout(cr_, line);
  g_object_unref(line);
}

void CairoCanvas::drawPixels(PixelView image, RectF dest) {
  if (image.width <= 0 || image.height <= 0) return;
  const CairoSurface source(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels)),
      image.opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, image.width, image.height,
      image.width * 4));
  const CairoSavedState saved(cr_);
  cairo_translate(cr_, dest.x, dest.y);
  cairo_scale(cr_, dest.w / image.width, dest.h / image.height);
  cairo_set_source_surface(cr_, source.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
  cairo_paint(cr_);
}

}  // namespace zarq
