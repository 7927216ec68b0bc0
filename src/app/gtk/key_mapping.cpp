#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>

namespace zarq::gtk {
namespace {

struct NamedKey {
  guint keyval;
  char16_t key;
};

// The keys a shortcut names (platform/shortcuts.h) that are no letter or digit. "+" is "="
// shifted on many layouts: either level of the key counts.
constexpr NamedKey kNamedKeys[] = {
    {GDK_KEY_Tab, shortcut_key::kTab},           {GDK_KEY_equal, shortcut_key::kPlus},
    {GDK_KEY_plus, shortcut_key::kPlus},         {GDK_KEY_minus, shortcut_key::kMinus},
    {GDK_KEY_KP_Add, shortcut_key::kKeypadPlus}, {GDK_KEY_KP_Subtract, shortcut_key::kKeypadMinus},
};

// The key a shortcut names for a key an accelerator sees; 0 for none.
char16_t shortcutKeyOf(guint key) {
  for (const NamedKey& k : kNamedKeys) {
    if (k.keyval == key) return k.key;
  }
  const guint upper = gdk_keyval_to_upper(key);
  const bool letterOrDigit =
      (upper >= GDK_KEY_A && upper <= GDK_KEY_Z) || (upper >= GDK_KEY_0 && upper <= GDK_KEY_9);
  // Keysyms of ASCII letters and digits are their characters.
  return letterOrDigit ? static_cast<char16_t>(upper) : 0;
}

struct CharacterKey {
  guint keyval;
  char16_t unit;
};

constexpr CharacterKey kCharacterKeys[] = {
    {GDK_KEY_BackSpace, 8}, {GDK_KEY_Tab, 9},        {GDK_KEY_KP_Tab, 9},  {GDK_KEY_Return, 13},
    {GDK_KEY_KP_Enter, 13}, {GDK_KEY_ISO_Enter, 13}, {GDK_KEY_Escape, 27},
};

struct ActingKey {
  guint keyval;
  Key key;
};

// The keypad's keys count as the same keys, as they do with Num Lock off on Windows; F10
// with Shift and the context-menu key open the context menu.
constexpr ActingKey kActingKeys[] = {
    {GDK_KEY_Left, Key::Left},
    {GDK_KEY_KP_Left, Key::Left},
    {GDK_KEY_Right, Key::Right},
    {GDK_KEY_KP_Right, Key::Right},
    {GDK_KEY_Home, Key::Home},
    {GDK_KEY_KP_Home, Key::Home},
    {GDK_KEY_End, Key::End},
    {GDK_KEY_KP_End, Key::End},
    {GDK_KEY_Delete, Key::Delete},
    {GDK_KEY_KP_Delete, Key::Delete},
    {GDK_KEY_Up, Key::Up},
    {GDK_KEY_KP_Up, Key::Up},
    {GDK_KEY_Down, Key::Down},
    {GDK_KEY_KP_Down, Key::Down},
    {GDK_KEY_Page_Up, Key::PageUp},
    {GDK_KEY_KP_Page_Up, Key::PageUp},
    {GDK_KEY_Page_Down, Key::PageDown},
    {GDK_KEY_KP_Page_Down, Key::PageDown},
    {GDK_KEY_space, Key::Space},
    {GDK_KEY_KP_Space, Key::Space},
    {GDK_KEY_Return, Key::Enter},
    {GDK_KEY_KP_Enter, Key::Enter},
    {GDK_KEY_ISO_Enter, Key::Enter},
    {GDK_KEY_F1, Key::F1},
    {GDK_KEY_F10, Key::F10},
    {GDK_KEY_Menu, Key::Menu},
};

}  // namespace

Modifiers modifiersOf(GdkModifierType state) {
  return {(state & GDK_CONTROL_MASK) != 0, (state & GDK_SHIFT_MASK) != 0,
          (state & GDK_MOD1_MASK) != 0};
}

std::optional<ShortcutAction> shortcutFor(guint key, Modifiers mods) {
  const char16_t shortcutKey = shortcutKeyOf(key);
  if (shortcutKey == 0) return std::nullopt;
  return shortcutOn(shortcutKey, mods);
}

std::optional<char16_t> controlCharacter(guint keyval, Modifiers mods) {
  if (mods.ctrl || mods.alt) return std::nullopt;
  for (const CharacterKey& c : kCharacterKeys) {
    if (c.keyval == keyval) return c.unit;
  }
  return std::nullopt;
}

KeyStroke keyStrokeOf(guint keyval, Modifiers mods) {
  if (mods.alt) return {};
  for (const ActingKey& k : kActingKeys) {
    if (k.keyval == keyval) return {k.key, mods.shift, mods.ctrl};
  }
  return {};
}

}  // namespace zarq::gtk
