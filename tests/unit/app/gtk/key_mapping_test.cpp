#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

constexpr auto kCtrl = GDK_CONTROL_MASK;
constexpr auto kShift = GDK_SHIFT_MASK;
constexpr auto kAlt = GDK_MOD1_MASK;

// The table itself is the core's (platform/shortcuts.h); here, how GTK's keys reach it.
TEST(KeyMappingTest, KeysReachTheShortcutsByTheKeyTheyAreOn) {
  const struct {
    guint keyval;
    unsigned state;
    std::optional<ShortcutAction> shortcut;
  } cases[] = {
      {GDK_KEY_v, kCtrl, Command::Paste},
      {GDK_KEY_V, kCtrl, Command::Paste},  // Caps Lock on
      {GDK_KEY_S, kCtrl | kShift, Command::SaveAlternative},
      {GDK_KEY_w, kCtrl, WindowAction::Close},
      // Modifiers that do not take part in shortcuts are ignored; Alt is never one.
      {GDK_KEY_s, kCtrl | GDK_MOD2_MASK | GDK_SUPER_MASK, Command::Save},
      {GDK_KEY_s, kCtrl | kAlt, std::nullopt},
      {GDK_KEY_Tab, kShift, Command::PreviousField},
      {GDK_KEY_equal, kCtrl | kShift, Command::ZoomIn},  // Ctrl++ on a US keyboard
      {GDK_KEY_plus, kCtrl, Command::ZoomIn},            // "+" unshifted (German)
      {GDK_KEY_KP_Add, kCtrl, Command::ZoomIn},
      {GDK_KEY_minus, kCtrl, Command::ZoomOut},
      {GDK_KEY_KP_Subtract, kCtrl, Command::ZoomOut},
      {GDK_KEY_KP_1, kCtrl, std::nullopt},
      {GDK_KEY_eacute, kCtrl, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shortcutFor(c.keyval, modifiersOf(GdkModifierType(c.state))), c.shortcut)
        << gdk_keyval_name(c.keyval) << " state " << c.state;
  }
}

TEST(KeyMappingTest, FourKeysTypeControlCharactersUnlessCtrlOrAltIsHeld) {
  const struct {
    guint keyval;
    unsigned state;
    std::optional<char16_t> unit;
  } cases[] = {
      {GDK_KEY_BackSpace, 0, 8},
      {GDK_KEY_Tab, 0, 9},
      {GDK_KEY_KP_Tab, 0, 9},
      {GDK_KEY_Return, 0, 13},
      {GDK_KEY_KP_Enter, 0, 13},
      {GDK_KEY_Escape, 0, 27},
      {GDK_KEY_Return, kShift, 13},
      {GDK_KEY_BackSpace, kCtrl, std::nullopt},
      {GDK_KEY_Tab, kAlt, std::nullopt},
      {GDK_KEY_Delete, 0, std::nullopt},
      {GDK_KEY_a, 0, std::nullopt},
      {GDK_KEY_space, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(controlCharacter(c.keyval, modifiersOf(GdkModifierType(c.state))), c.unit)
        << gdk_keyval_name(c.keyval) << " state " << c.state;
  }
}

TEST(KeyMappingTest, CaretKeysAndDeleteCarryShiftAndCtrlButNotAlt) {
  const struct {
    guint keyval;
    unsigned state;
    KeyStroke stroke;
  } cases[] = {
      {GDK_KEY_Left, 0, Key::Left},
      {GDK_KEY_KP_Left, 0, Key::Left},
      {GDK_KEY_Right, 0, Key::Right},
      {GDK_KEY_KP_Right, 0, Key::Right},
      {GDK_KEY_Home, 0, Key::Home},
      {GDK_KEY_KP_Home, 0, Key::Home},
      {GDK_KEY_End, 0, Key::End},
      {GDK_KEY_KP_End, 0, Key::End},
      {GDK_KEY_Delete, 0, Key::Delete},
      {GDK_KEY_KP_Delete, 0, Key::Delete},
      {GDK_KEY_Left, kShift, {Key::Left, true, false}},
      {GDK_KEY_Right, kCtrl, {Key::Right, false, true}},
      {GDK_KEY_End, kCtrl | kShift, {Key::End, true, true}},
      {GDK_KEY_Delete, kCtrl, {Key::Delete, false, true}},
      {GDK_KEY_Delete, kAlt, Key::Other},
      {GDK_KEY_Right, kAlt, Key::Other},
      {GDK_KEY_Home, kShift | kAlt, Key::Other},
      {GDK_KEY_Up, 0, Key::Up},
      {GDK_KEY_KP_Down, 0, Key::Down},
      {GDK_KEY_Page_Up, 0, Key::PageUp},
      {GDK_KEY_KP_Page_Down, 0, Key::PageDown},
      {GDK_KEY_space, 0, Key::Space},
      {GDK_KEY_KP_Enter, 0, Key::Enter},
      {GDK_KEY_F1, 0, Key::F1},
      {GDK_KEY_F10, kShift, {Key::F10, true, false}},
      {GDK_KEY_Menu, 0, Key::Menu},
      {GDK_KEY_F10, kShift | kAlt, Key::Other},
      {GDK_KEY_BackSpace, 0, Key::Other},
      {GDK_KEY_Tab, 0, Key::Other},
      {GDK_KEY_KP_4, 0, Key::Other},
      {GDK_KEY_s, kShift, Key::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyStrokeOf(c.keyval, modifiersOf(GdkModifierType(c.state))), c.stroke)
        << gdk_keyval_name(c.keyval) << " state " << c.state;
  }
}

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
