#include "backend/cairo/font_warmup.h"

#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include "backend/cairo/pango_text.h"

namespace zarq {
namespace {

// The thread's default font map, given back when the test ends.
class DefaultFontMap {
 public:
  DefaultFontMap() : before_(PANGO_FONT_MAP(g_object_ref(pango_cairo_font_map_get_default()))) {}
  ~DefaultFontMap() {
    pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(before_));
    g_object_unref(before_);
  }
  PangoFontMap* before() const { return before_; }

 private:
  PangoFontMap* before_;
};

float coldWidth(TextView text, float sizePx) {
  PangoFontMap* fontMap = pango_cairo_font_map_new();
  PangoText cold(fontMap);
  g_object_unref(fontMap);
  return cold.layoutWidth(text, sizePx);
}

// Text laid out on the warm font map measures as on a font map of the thread's own, at the
// size warmed and at others, in each script the pages show.
TEST(FontWarmupTest, HandedOverFontMapLaysOutAsAColdOne) {
  const DefaultFontMap restore;
  FontWarmup warmup;
  warmup.start();
  warmup.handOver();
  EXPECT_NE(pango_cairo_font_map_get_default(), restore.before());
  PangoText warm;
  for (const float size : {24.f, 15.f, 40.f}) {
    for (const TextView text : {TextView(u"谱面ID"), TextView(u"错误：未找到 20220924.PNG！")}) {
      EXPECT_FLOAT_EQ(warm.layoutWidth(text, size), coldWidth(text, size)) << size;
    }
  }
}

TEST(FontWarmupTest, WithoutAStartNothingIsHandedOver) {
  const DefaultFontMap restore;
  FontWarmup warmup;
  warmup.handOver();
  EXPECT_EQ(pango_cairo_font_map_get_default(), restore.before());
}

// An editor that ends before its window (no display) waits for the warm-up and frees it.
TEST(FontWarmupTest, NeverHandedOverIsJoinedAtTheEnd) {
  const DefaultFontMap restore;
  {
    FontWarmup warmup;
    warmup.start();
  }
  EXPECT_EQ(pango_cairo_font_map_get_default(), restore.before());
}

}  // namespace
}  // namespace zarq
