#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>

#include "backend/gtk/glib_owned.h"

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

// A key that acts on its own, and its twin on the keypad (itself where it has none).
struct ActingKey {
  Key key;
  guint keyval;
  guint keypad;
};

// The keypad's keys count as the same keys, as they do with Num Lock off on Windows; F10
// with Shift and the context-menu key open the context menu.
constexpr ActingKey kActingKeys[] = {
    {Key::Left, GDK_KEY_Left, GDK_KEY_KP_Left},
    {Key::Right, GDK_KEY_Right, GDK_KEY_KP_Right},
    {Key::Home, GDK_KEY_Home, GDK_KEY_KP_Home},
    {Key::End, GDK_KEY_End, GDK_KEY_KP_End},
    {Key::Delete, GDK_KEY_Delete, GDK_KEY_KP_Delete},
    {Key::Up, GDK_KEY_Up, GDK_KEY_KP_Up},
    {Key::Down, GDK_KEY_Down, GDK_KEY_KP_Down},
    {Key::PageUp, GDK_KEY_Page_Up, GDK_KEY_KP_Page_Up},
    {Key::PageDown, GDK_KEY_Page_Down, GDK_KEY_KP_Page_Down},
    {Key::Space, GDK_KEY_space, GDK_KEY_KP_Space},
    {Key::Enter, GDK_KEY_Return, GDK_KEY_KP_Enter},
    {Key::Enter, GDK_KEY_ISO_Enter, GDK_KEY_ISO_Enter},
    {Key::F1, GDK_KEY_F1, GDK_KEY_F1},
    {Key::F10, GDK_KEY_F10, GDK_KEY_F10},
    {Key::Menu, GDK_KEY_Menu, GDK_KEY_Menu},
};

bool isLatinLetterOrDigit(guint keyval) {
  return (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) ||
         (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) ||
         (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9);
}

// Keysyms of printable ASCII are the characters themselves.
bool isPrintableAscii(guint keyval) { return keyval >= 0x20 && keyval <= 0x7E; }

bool isPrintable(guint keyval) {
  const gunichar c = gdk_keyval_to_unicode(keyval);
  return c >= 0x20 && c != 0x7F;
}

// The Latin letter or digit of a pair of levels, unshifted first; 0 if neither is one.
guint latinOf(const std::array<guint, 2>& levels) {
  for (const guint keyval : levels) {
    if (isLatinLetterOrDigit(keyval)) return gdk_keyval_to_lower(keyval);
  }
  return 0;
}

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
    if (k.keyval == keyval || k.keypad == keyval) return {k.key, mods.shift, mods.ctrl};
  }
  return {};
}

guint usKeyAt(guint hardwareKeycode) {
  // Loaded when first asked for, once for the process.
  static const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{
      [] {
        const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context{
            xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), xkb_context_unref};
        // The rules X and Wayland use, so hardware codes mean the same keys.
        const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
        return context
                   ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                   : nullptr;
      }(),
      xkb_keymap_unref};
  if (!keymap) return 0;
  const xkb_keysym_t* syms = nullptr;
  const int count = xkb_keymap_key_get_syms_by_level(keymap.get(), hardwareKeycode, 0, 0, &syms);
  // XKB keysyms and GDK keyvals are the same numbers.
  return count > 0 ? syms[0] : 0;
}

guint acceleratorKey(const KeyLayouts& key) {
  if (key.groups.empty()) return gdk_keyval_to_lower(key.usKey);
  const std::array<guint, 2>& own =
      key.groups[std::clamp<std::size_t>(key.group, 0, key.groups.size() - 1)];
  if (const guint latin = latinOf(own)) return latin;
  // Punctuation of a Latin layout and keys that type nothing are what the layout says.
  if (!isPrintable(own[0]) || isPrintableAscii(own[0]) || isPrintableAscii(own[1])) {
    return own[0];
  }
  for (const std::array<guint, 2>& levels : key.groups) {
    if (const guint latin = latinOf(levels)) return latin;
  }
  return key.usKey ? gdk_keyval_to_lower(key.usKey) : own[0];
}

KeyLayouts keyLayoutsOf(const GdkEventKey* event) {
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  KeyLayouts key;
  key.group = event->group;
  key.usKey = usKeyAt(event->hardware_keycode);
  GdkKeymapKey* entries = nullptr;
  guint* keyvals = nullptr;
  gint count = 0;
  if (gdk_keymap_get_entries_for_keycode(keymap, event->hardware_keycode, &entries, &keyvals,
                                         &count)) {
    const GArrayOf<GdkKeymapKey> ownedEntries(entries);
    const GArrayOf<guint> ownedKeyvals(keyvals);
    for (gint i = 0; i < count; ++i) {
      const GdkKeymapKey& entry = entries[i];
      if (entry.group < 0 || entry.level < 0 || entry.level > 1) continue;
      if (key.groups.size() <= static_cast<std::size_t>(entry.group)) {
        key.groups.resize(entry.group + 1, {0, 0});
      }
      key.groups[entry.group][entry.level] = keyvals[i];
    }
  }
  // A keymap that knows nothing of the key still has the event's own keyval.
  if (key.groups.empty()) {
    key.groups.push_back({event->keyval, 0});
    key.group = 0;
  }
  return key;
}

}  // namespace zarq::gtk
