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

}  // namespace
}  // namespace zarq::gtk
