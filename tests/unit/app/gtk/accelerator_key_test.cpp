#include "app/gtk/accelerator_key.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

struct Case {
  const char* what;
  KeyLayouts key;
  guint expected;
};

// What the keymaps of some layouts say of a few keys (levels: unshifted, shifted), and the
// key an accelerator must see there.
TEST(AcceleratorKeyTest, AcceleratorsGoByTheKeysPlaceOnEveryLayout) {
  const Case cases[] = {
      {"US S", {{{GDK_KEY_s, GDK_KEY_S}}, 0, GDK_KEY_s}, GDK_KEY_s},
      {"US 1", {{{GDK_KEY_1, GDK_KEY_exclam}}, 0, GDK_KEY_1}, GDK_KEY_1},
      // AZERTY: the digits are shifted; "é" sits on the key of "2".
      {"AZERTY 1", {{{GDK_KEY_ampersand, GDK_KEY_1}}, 0, GDK_KEY_1}, GDK_KEY_1},
      {"AZERTY 2", {{{GDK_KEY_eacute, GDK_KEY_2}}, 0, GDK_KEY_2}, GDK_KEY_2},
      {"AZERTY 6", {{{GDK_KEY_minus, GDK_KEY_6}}, 0, GDK_KEY_6}, GDK_KEY_6},
      // Letters go by what they are, wherever they lie: A where US has Q.
      {"AZERTY A", {{{GDK_KEY_a, GDK_KEY_A}}, 0, GDK_KEY_q}, GDK_KEY_a},
      {"AZERTY comma", {{{GDK_KEY_comma, GDK_KEY_question}}, 0, GDK_KEY_m}, GDK_KEY_comma},
      {"QWERTZ Z", {{{GDK_KEY_z, GDK_KEY_Z}}, 0, GDK_KEY_y}, GDK_KEY_z},
      {"QWERTZ sharp s", {{{GDK_KEY_ssharp, GDK_KEY_question}}, 0, GDK_KEY_minus}, GDK_KEY_ssharp},
      // Russian alone: the letters of another script go by the US keyboard.
      {"ru S", {{{GDK_KEY_Cyrillic_yeru, GDK_KEY_Cyrillic_YERU}}, 0, GDK_KEY_s}, GDK_KEY_s},
      {"ru O", {{{GDK_KEY_Cyrillic_shcha, GDK_KEY_Cyrillic_SHCHA}}, 0, GDK_KEY_o}, GDK_KEY_o},
      {"ru 1", {{{GDK_KEY_1, GDK_KEY_exclam}}, 0, GDK_KEY_1}, GDK_KEY_1},
      {"ru period", {{{GDK_KEY_period, GDK_KEY_comma}}, 0, GDK_KEY_slash}, GDK_KEY_period},
      // Russian beside a Latin layout: the Latin group's letter, whichever group is first.
      {"us,ru in ru",
       {{{GDK_KEY_v, GDK_KEY_V}, {GDK_KEY_Cyrillic_em, GDK_KEY_Cyrillic_EM}}, 1, GDK_KEY_v},
       GDK_KEY_v},
      {"ru,de in ru",
       {{{GDK_KEY_Cyrillic_ya, GDK_KEY_Cyrillic_YA}, {GDK_KEY_y, GDK_KEY_Y}}, 0, GDK_KEY_z},
       GDK_KEY_y},
      {"Greek alone", {{{GDK_KEY_Greek_sigma, GDK_KEY_Greek_SIGMA}}, 0, GDK_KEY_s}, GDK_KEY_s},
      // Keys that type nothing are themselves on every layout.
      {"ru Home", {{{GDK_KEY_Home, 0}}, 0, GDK_KEY_Home}, GDK_KEY_Home},
      {"Return", {{{GDK_KEY_Return, 0}}, 0, GDK_KEY_Return}, GDK_KEY_Return},
      // A keymap without the key, or a US keyboard that does not know it.
      {"no groups", {{}, 0, GDK_KEY_o}, GDK_KEY_o},
      {"ru, unknown place", {{{GDK_KEY_Cyrillic_a, 0}}, 0, 0}, GDK_KEY_Cyrillic_a},
      {"group out of range", {{{GDK_KEY_s, GDK_KEY_S}}, 3, GDK_KEY_s}, GDK_KEY_s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(acceleratorKey(c.key), c.expected)
        << c.what << ": " << gdk_keyval_name(acceleratorKey(c.key));
  }
}

// Hardware codes of the evdev rules: 39 is the key of S, 10 the key of 1, 32 the key of O.
TEST(AcceleratorKeyTest, TheUsKeyboardKnowsTheHardwareCodes) {
  EXPECT_EQ(usKeyAt(39), static_cast<guint>(GDK_KEY_s));
  EXPECT_EQ(usKeyAt(10), static_cast<guint>(GDK_KEY_1));
  EXPECT_EQ(usKeyAt(32), static_cast<guint>(GDK_KEY_o));
  EXPECT_EQ(usKeyAt(0), 0u);
}

}  // namespace
}  // namespace zarq::gtk
