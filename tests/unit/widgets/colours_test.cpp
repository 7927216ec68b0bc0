#include "widgets/colours.h"

#include <gtest/gtest.h>

namespace zarq {
namespace {

constexpr Argb kOwn = 0xE6FFFFFF;

TEST(ColoursTest, InkIsTheControlsOwnOrTheThemesAndDisabledStaysDistinct) {
  const Palette own;
  const Palette contrast{true, 0xFFFFFFFF, 0xFF000000, 0xFF8080FF};
  const Palette greyLikeText{true, 0xFFFFFFFF, 0xFF000000, 0xFFF0F0F0};
  const Palette greyLikePage{true, 0xFF000000, 0xFFFFFFFF, 0xFFF8F8F8};
  const struct {
    const char* name;
    Palette palette;
    bool enabled;
    Argb expected;
  } cases[] = {
      {"own look, enabled", own, true, kOwn},
      {"own look, disabled", own, false, kDisabledColour},
      {"high contrast, enabled", contrast, true, 0xFFFFFFFF},
      {"high contrast, disabled", contrast, false, 0xFF8080FF},
      {"disabled too close to the text", greyLikeText, false, 0xFF7F7F7F},
      {"disabled too close to the page", greyLikePage, false, 0xFF7F7F7F},
  };
  for (const auto& c : cases) EXPECT_EQ(inkOf(c.palette, kOwn, c.enabled), c.expected) << c.name;
}

TEST(ColoursTest, BubblesAndShadesTakeTheThemesBackgroundOpaque) {
  const Palette contrast{true, 0xFF000000, 0x00FFFFEE, 0xFF808080};
  EXPECT_EQ(bubbleFillOf(Palette{}), 0x96FFFFFFu);
  EXPECT_EQ(bubbleFillOf(contrast), 0xFFFFFFEEu);
  EXPECT_EQ(shadeOf(Palette{}, 0xA0000000), 0xA0000000u);
  EXPECT_EQ(shadeOf(contrast, 0xA0000000), 0xFFFFFFEEu);
}

}  // namespace
}  // namespace zarq
