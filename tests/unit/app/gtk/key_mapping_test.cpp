#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

// What a key does is the core's (platform/keys.h); here, the names GTK's keysyms reach.
TEST(KeyMappingTest, KeysymsAreNamedByTheKeyTheyAreOn) {
  const struct {
    guint keyval;
    char32_t name;
  } cases[] = {
      {GDK_KEY_v, u'V'},
      {GDK_KEY_V, u'V'},  // Caps Lock on
      {GDK_KEY_1, u'1'},
      {GDK_KEY_equal, key_name::kPlus},  // "+" shifted on a US keyboard
      {GDK_KEY_plus, key_name::kPlus},   // "+" unshifted (German)
      {GDK_KEY_KP_Add, key_name::kKeypadPlus},
      {GDK_KEY_KP_Subtract, key_name::kKeypadMinus},
      {GDK_KEY_ISO_Enter, key_name::kEnter},
      {GDK_KEY_KP_Left, key_name::kLeft},
      {GDK_KEY_KP_Page_Down, key_name::kPageDown},
      {GDK_KEY_comma, u','},
      {GDK_KEY_eacute, U'é'},
      {GDK_KEY_Cyrillic_yeru, U'ы'},
      {GDK_KEY_KP_1, key_name::keypadKey(u'1')},  // no digit key, as on Windows
      {GDK_KEY_Shift_L, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyNameOf(c.keyval), c.name) << gdk_keyval_name(c.keyval);
  }
  const Modifiers mods = modifiersOf(GdkModifierType(GDK_CONTROL_MASK | GDK_MOD2_MASK));
  EXPECT_TRUE(mods.ctrl && !mods.shift && !mods.alt);
}

// Hardware codes of the evdev rules: 39 is the key of S, 10 the key of 1, 32 the key of O.
TEST(KeyMappingTest, TheUsKeyboardKnowsTheHardwareCodes) {
  EXPECT_EQ(usKeyAt(39), static_cast<guint>(GDK_KEY_s));
  EXPECT_EQ(usKeyAt(10), static_cast<guint>(GDK_KEY_1));
  EXPECT_EQ(usKeyAt(32), static_cast<guint>(GDK_KEY_o));
  EXPECT_EQ(usKeyAt(0), 0u);
}

}  // namespace
}  // namespace zarq::gtk
