#include "backend/cairo/font_warmup.h"

#include <pango/pangocairo.h>

#include <utility>

#include "backend/cairo/pango_text.h"

namespace zarq {
namespace {

// Han characters, Latin letters and digits, as every page shows them: each face of the family
// list that the pages need is opened for them.
constexpr TextView kSample = u"设置填写器 Settings 0123456789";
constexpr float kSampleSizePx = 24;

gpointer warmUp(gpointer) {
  PangoFontMap* fontMap = pango_cairo_font_map_new();
  PangoText text(fontMap);
  text.layoutWidth(kSample, kSampleSizePx);
  return fontMap;
}

}  // namespace

FontWarmup::~FontWarmup() {
  if (thread_) g_object_unref(g_thread_join(std::exchange(thread_, nullptr)));
}

void FontWarmup::start() {
  if (!thread_) thread_ = g_thread_try_new("font warm-up", warmUp, nullptr, nullptr);
}

void FontWarmup::handOver() {
  if (!thread_) return;
  auto* fontMap = static_cast<PangoFontMap*>(g_thread_join(std::exchange(thread_, nullptr)));
  // Pango's default font map is the thread's own: this thread's is the warm one from now on.
  pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(fontMap));
  g_object_unref(fontMap);
}

}  // namespace zarq
