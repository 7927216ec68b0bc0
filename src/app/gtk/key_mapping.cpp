#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>

namespace zarq::gtk {
namespace {

struct Accelerator {
  guint keyval;
  bool ctrl;
  bool shift;
  Shortcut shortcut;
};

// No accelerator holds Alt.
constexpr Accelerator kAccelerators[] = {
    {GDK_KEY_v, true, false, Command::Paste},            // Ctrl+V
    {GDK_KEY_1, true, false, Command::Page1},            // Ctrl+1
    {GDK_KEY_2, true, false, Command::Page2},            // Ctrl+2
    {GDK_KEY_3, true, false, Command::Page3},            // Ctrl+3
    {GDK_KEY_4, true, false, Command::Page4},            // Ctrl+4
    {GDK_KEY_5, true, false, Command::Page5},            // Ctrl+5
    {GDK_KEY_6, true, false, Command::Page6},            // Ctrl+6
    {GDK_KEY_s, true, false, Command::Save},             // Ctrl+S
    {GDK_KEY_s, true, true, Command::SaveAlternative},   // Ctrl+Shift+S
    {GDK_KEY_o, true, false, Command::Open},             // Ctrl+O
    {GDK_KEY_o, true, true, Command::PageDialog},        // Ctrl+Shift+O
    {GDK_KEY_a, true, false, Command::SelectAll},        // Ctrl+A
    {GDK_KEY_c, true, false, Command::Copy},             // Ctrl+C
    {GDK_KEY_x, true, false, Command::Cut},              // Ctrl+X
    {GDK_KEY_z, true, false, Command::Undo},             // Ctrl+Z
    {GDK_KEY_y, true, false, Command::Redo},             // Ctrl+Y
    {GDK_KEY_z, true, true, Command::Redo},              // Ctrl+Shift+Z
    {GDK_KEY_Tab, false, true, Command::PreviousField},  // Shift+Tab
    // Zoom: "+" is "=" shifted on many layouts, so either level of the key counts, and the
    // keypad's keys too.
    {GDK_KEY_equal, true, false, Command::ZoomIn},         // Ctrl+=
    {GDK_KEY_equal, true, true, Command::ZoomIn},          // Ctrl+Shift+= (Ctrl++)
    {GDK_KEY_plus, true, false, Command::ZoomIn},          // Ctrl++ where "+" is unshifted
    {GDK_KEY_plus, true, true, Command::ZoomIn},           // Ctrl+Shift++
    {GDK_KEY_KP_Add, true, false, Command::ZoomIn},        // Ctrl with the keypad's +
    {GDK_KEY_minus, true, false, Command::ZoomOut},        // Ctrl+-
    {GDK_KEY_KP_Subtract, true, false, Command::ZoomOut},  // Ctrl with the keypad's -
    {GDK_KEY_0, true, false, Command::ZoomReset},          // Ctrl+0
    {GDK_KEY_q, true, false, WindowAction::Close},         // Ctrl+Q
    {GDK_KEY_w, true, false, WindowAction::Close},         // Ctrl+W
};

struct CharacterKey {
  guint keyval;
  char16_t unit;
};

constexpr CharacterKey kCharacterKeys[] = {
    {GDK_KEY_BackSpace, 8},   // Backspace
    {GDK_KEY_Tab, 9},         // Tab
    {GDK_KEY_KP_Tab, 9},      // the keypad's Tab
    {GDK_KEY_Return, 13},     // Enter
    {GDK_KEY_KP_Enter, 13},   // the keypad's Enter
    {GDK_KEY_ISO_Enter, 13},  // Enter of some layouts
    {GDK_KEY_Escape, 27},     // Escape
};

struct ActingKey {
  guint keyval;
  Key key;
};

// The keypad's keys count as the same keys, as they do with Num Lock off on Windows.
constexpr ActingKey kActingKeys[] = {
    {GDK_KEY_Left, Key::Left},         // Left
    {GDK_KEY_KP_Left, Key::Left},      // the keypad's Left
    {GDK_KEY_Right, Key::Right},       // Right
    {GDK_KEY_KP_Right, Key::Right},    // the keypad's Right
    {GDK_KEY_Home, Key::Home},         // Home
    {GDK_KEY_KP_Home, Key::Home},      // the keypad's Home
    {GDK_KEY_End, Key::End},           // End
    {GDK_KEY_KP_End, Key::End},        // the keypad's End
    {GDK_KEY_Delete, Key::Delete},     // Delete
    {GDK_KEY_KP_Delete, Key::Delete},  // the keypad's Delete
    {GDK_KEY_Up, Key::Up},             // Up
    {GDK_KEY_KP_Up, Key::Up},          // the keypad's Up
    {GDK_KEY_Down, Key::Down},         // Down
    {GDK_KEY_KP_Down, Key::Down},      // the keypad's Down
    {GDK_KEY_Page_Up, Key::PageUp},    // Page Up
    {GDK_KEY_KP_Page_Up, Key::PageUp},
    {GDK_KEY_Page_Down, Key::PageDown},  // Page Down
    {GDK_KEY_KP_Page_Down, Key::PageDown},
    {GDK_KEY_space, Key::Space},  // Space
    {GDK_KEY_KP_Space, Key::Space},
    {GDK_KEY_Return, Key::Enter},  // Enter
    {GDK_KEY_KP_Enter, Key::Enter},
    {GDK_KEY_ISO_Enter, Key::Enter},
    {GDK_KEY_F1, Key::F1},      // F1
    {GDK_KEY_F10, Key::F10},    // F10 (with Shift, the context menu)
    {GDK_KEY_Menu, Key::Menu},  // the context-menu key
};

}  // namespace

Modifiers modifiersOf(GdkModifierType state) {
  return {(state & GDK_CONTROL_MASK) != 0, (state & GDK_SHIFT_MASK) != 0,
          (state & GDK_MOD1_MASK) != 0};
}

std::optional<Shortcut> shortcutFor(guint key, Modifiers mods) {
  if (mods.alt) return std::nullopt;
  key = gdk_keyval_to_lower(key);
  for (const Accelerator& a : kAccelerators) {
    if (a.keyval == key && a.ctrl == mods.ctrl && a.shift == mods.shift) return a.shortcut;
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

KeyStroke keyStrokeOf(guint keyval, Modifiers mods) {
  if (mods.alt) return {};
  for (const ActingKey& k : kActingKeys) {
    if (k.keyval == keyval) return {k.key, mods.shift, mods.ctrl};
  }
  return {};
}

}  // namespace zarq::gtk
