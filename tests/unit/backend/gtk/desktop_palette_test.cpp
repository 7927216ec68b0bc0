#include "backend/gtk/desktop_palette.h"

#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

TEST(DesktopPaletteTest, AThemeIsOfHighContrastWhenItsNameSaysSo) {
  const struct {
    const char* name;
    bool expected;
  } cases[] = {
      {"HighContrast", true},
      {"HighContrastInverse", true},
      {"highcontrast:dark", true},
      {"Adwaita-high-contrast", true},
      {"Adwaita", false},
      {"Adwaita:dark", false},
      {"", false},
      {"Contrast", false},
      {"Default:highcontrast", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isHighContrastTheme(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace zarq::gtk
