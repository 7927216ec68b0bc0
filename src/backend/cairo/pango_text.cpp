#include "backend/cairo/pango_text.h"

#include <algorithm>
#include <vector>

#include "common/utf.h"

namespace zarq {

PangoText::PangoText() : PangoText(pango_cairo_font_map_get_default()) {}

PangoText::PangoText(PangoFontMap* fontMap) {
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

std::vector<float> PangoText::caretPositions(TextView text, float sizePx) {
  std::vector<float> positions(text.size() + 1, 0.f);
  if (text.empty()) return positions;
  // UTF-16 index of every UTF-8 byte offset, so clusters can be mapped back.
  const std::string utf8 = toUtf8(text);
  std::vector<int> unitAt(utf8.size() + 1, static_cast<int>(text.size()));
  for (std::size_t i = 0, byte = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size();
    const int bytes = pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
    for (int b = 0; b < bytes; ++b) unitAt[byte + b] = static_cast<int>(i);
    byte += bytes;
    if (pair) ++i;
  }

  PangoLayout* layout = createLayout(text, sizePx);
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  // Each cluster spreads its width evenly over the units it covers.
  do {
    PangoRectangle logical;
    pango_layout_iter_get_cluster_extents(iter, nullptr, &logical);
    const int first = unitAt[pango_layout_iter_get_index(iter)];
    int last = static_cast<int>(text.size());
    PangoLayoutIter* next = pango_layout_iter_copy(iter);
    if (pango_layout_iter_next_cluster(next)) last = unitAt[pango_layout_iter_get_index(next)];
    pango_layout_iter_free(next);
    const int count = std::max(1, last - first);
    for (int k = 0; k < count && first + k < static_cast<int>(text.size()); ++k) {
      positions[first + k] =
          static_cast<float>(logical.x + static_cast<double>(logical.width) * k / count) /
          PANGO_SCALE;
    }
  } while (pango_layout_iter_next_cluster(iter));
  pango_layout_iter_free(iter);

  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  positions[text.size()] = static_cast<float>(logical.width) / PANGO_SCALE;
  g_object_unref(layout);
  // The low half of a surrogate pair shares its character's start.
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] >= 0xDC00 && text[i] <= 0xDFFF && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF) {
      positions[i] = positions[i - 1];
    }
  }
  return positions;
}

float PangoText::layoutWidth(TextView text, float sizePx) {
  if (text.empty()) return 0;
  return advanceWidth(text, sizePx) + sizePx / 3;
}

}  // namespace zarq
