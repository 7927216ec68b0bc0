#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>

namespace zarq::gtk {
namespace {

struct Accelerator {
  guint keyval;
  bool shift;
  Shortcut shortcut;
};

// Every accelerator of the editor holds Ctrl and never Alt.
constexpr Accelerator kAccelerators[] = {
    {GDK_KEY_v, false, Command::Paste},           // Ctrl+V
    {GDK_KEY_1, false, Command::Page1},           // Ctrl+1
    {GDK_KEY_2, false, Command::Page2},           // Ctrl+2
    {GDK_KEY_3, false, Command::Page3},           // Ctrl+3
    {GDK_KEY_4, false, Command::Page4},           // Ctrl+4
    {GDK_KEY_5, false, Command::Page5},           // Ctrl+5
    {GDK_KEY_6, false, Command::Page6},           // Ctrl+6
    {GDK_KEY_s, false, Command::Save},            // Ctrl+S
    {GDK_KEY_s, true, Command::SaveAlternative},  // Ctrl+Shift+S
    {GDK_KEY_o, false, Command::Open},            // Ctrl+O
    {GDK_KEY_o, true, Command::PageDialog},       // Ctrl+Shift+O
    {GDK_KEY_q, false, WindowAction::Close},      // Ctrl+Q
    {GDK_KEY_w, false, WindowAction::Close},      // Ctrl+W
};

struct CharacterKey {
  guint keyval;
  char16_t unit;
};

constexpr CharacterKey kCharacterKeys[] = {
    {GDK_KEY_BackSpace, 8},     // Backspace
    {GDK_KEY_Tab, 9},           // Tab
    {GDK_KEY_ISO_Left_Tab, 9},  // Shift+Tab
    {GDK_KEY_KP_Tab, 9},        // the keypad's Tab
    {GDK_KEY_Return, 13},       // Enter
    {GDK_KEY_KP_Enter, 13},     // the keypad's Enter
    {GDK_KEY_ISO_Enter, 13},    // Enter of some layouts
    {GDK_KEY_Escape, 27},       // Escape
};

struct ReleaseKey {
  guint keyval;
  Key key;
};

// The keypad's arrows and Delete count as the same keys, as they do with Num Lock off on
// Windows.
constexpr ReleaseKey kReleaseKeys[] = {
    {GDK_KEY_Left, Key::Left},         // Left
    {GDK_KEY_KP_Left, Key::Left},      // the keypad's Left
    {GDK_KEY_Right, Key::Right},       // Right
    {GDK_KEY_KP_Right, Key::Right},    // the keypad's Right
    {GDK_KEY_Delete, Key::Delete},     // Delete
    {GDK_KEY_KP_Delete, Key::Delete},  // the keypad's Delete
};

}  // namespace

Modifiers modifiersOf(GdkModifierType state) {
  return {(state & GDK_CONTROL_MASK) != 0, (state & GDK_SHIFT_MASK) != 0,
          (state & GDK_MOD1_MASK) != 0};
}

std::optional<Shortcut> shortcutFor(guint key, Modifiers mods) {
  if (!mods.ctrl || mods.alt) return std::nullopt;
  key = gdk_keyval_to_lower(key);
  for (const Accelerator& a : kAccelerators) {
    if (a.keyval == key && a.shift == mods.shift) return a.shortcut;
  }
  return std::nullopt;
}

std::optional<char16_t> controlCharacter(guint keyval, Modifiers mods) {
  if (mods.ctrl || mods.alt) return std::nullopt;
  for (const CharacterKey& c : kCharacterKeys) {
    if (c.keyval == keyval) return c.unit;
  }
  return std::nullopt;
}

bool mayType(Modifiers mods) { return !mods.alt; }

Key releasedKey(guint keyval, Modifiers mods) {
  if (mods.alt) return Key::Other;
  for (const ReleaseKey& r : kReleaseKeys) {
    if (r.keyval == keyval) return r.key;
  }
  return Key::Other;
}

}  // namespace zarq::gtk
