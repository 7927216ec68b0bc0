#include "backend/cairo/pango_text.h"

#include <gtest/gtest.h>

#include "common/utf.h"

namespace zarq {
namespace {

float advanceOf(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return static_cast<float>(logical.width) / PANGO_SCALE;
}

// The layout drawn is the one of the text and size asked for, whether it was kept from a
// measurement, measured among others or never measured.
TEST(PangoTextTest, ATakenLayoutIsThatOfItsTextAndSize) {
  PangoText text;
  const float small = text.advanceWidth(u"设置 Settings", 15);
  const float large = text.advanceWidth(u"设置 Settings", 40);
  text.caretPositions(u"设置", 40);
  const float unmeasured = [] {
    PangoText other;
    return other.advanceWidth(u"谱面", 24);
  }();
  const struct {
    TextView text;
    float size;
    float advance;
  } cases[] = {
      {u"设置 Settings", 40, large},
      {u"设置 Settings", 15, small},
      {u"谱面", 24, unmeasured},
  };
  for (const auto& c : cases) {
    PangoLayout* layout = text.takeLayout(c.text, c.size);
    EXPECT_FLOAT_EQ(advanceOf(layout), c.advance) << c.size;
    EXPECT_STREQ(pango_layout_get_text(layout), toUtf8(c.text).c_str());
    g_object_unref(layout);
  }
}

// Each take is the caller's own: a second one of the same text is a layout of its own, and
// many measurements that are never drawn do not change what is measured.
TEST(PangoTextTest, TakenLayoutsAreTheCallersAndMeasuresStayTheSame) {
  PangoText text;
  const float first = text.advanceWidth(u"第1页", 20);
  PangoLayout* taken = text.takeLayout(u"第1页", 20);
  PangoLayout* again = text.takeLayout(u"第1页", 20);
  EXPECT_NE(taken, again);
  g_object_unref(taken);
  g_object_unref(again);
  for (int i = 0; i < 100; ++i) text.advanceWidth(Text(static_cast<std::size_t>(i + 1), u'x'), 20);
  EXPECT_FLOAT_EQ(text.advanceWidth(u"第1页", 20), first);
}

}  // namespace
}  // namespace zarq
