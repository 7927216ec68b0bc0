#include "platform/cairo/pango_text.h"

#include "common/utf.h"

namespace zarq {

PangoText::PangoText() {
  PangoFontMap* fontMap = pango_cairo_font_map_get_default();
  context_ = pango_font_map_create_context(fontMap);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
}

PangoText::~PangoText() { g_object_unref(context_); }

PangoLayout* PangoText::createLayout(TextView text, float sizePx) {
  PangoLayout* layout = pango_layout_new(context_);
  PangoFontDescription* font = pango_font_description_from_string("sans");
  pango_font_description_set_family(font, kPangoFamilies);
  pango_font_description_set_absolute_size(font, sizePx * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  pango_layout_set_width(layout, -1);
  const std::string utf8 = toUtf8(text);
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  return layout;
}

float PangoText::advanceWidth(TextView text, float sizePx) {
  if (text.empty()) return 0;
  PangoLayout* layout = createLayout(text, sizePx);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return static_cast<float>(logical.width) / PANGO_SCALE;
}

float PangoText::layoutWidth(TextView text, float sizePx) {
  if (text.empty()) return 0;
  return advanceWidth(text, sizePx) + sizePx / 3;
}

}  // namespace zarq
