#include "app/gtk/key_mapping.h"

#include <gdk/gdkkeysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

#include "backend/gtk/glib_owned.h"

namespace zarq::gtk {
namespace {

// A key with a name of its own, and its twin on the keypad (itself where it has none).
struct NamedKey {
  char32_t name;
  guint keyval;
  guint keypad;
};

// The keypad's keys count as the same keys, as they do with Num Lock off on Windows.
constexpr NamedKey kNamedKeys[] = {
    {key_name::kBackspace, GDK_KEY_BackSpace, GDK_KEY_BackSpace},
    {key_name::kTab, GDK_KEY_Tab, GDK_KEY_KP_Tab},
    {key_name::kEnter, GDK_KEY_Return, GDK_KEY_KP_Enter},
    {key_name::kEnter, GDK_KEY_ISO_Enter, GDK_KEY_ISO_Enter},
    {key_name::kEscape, GDK_KEY_Escape, GDK_KEY_Escape},
    {key_name::kSpace, GDK_KEY_space, GDK_KEY_KP_Space},
    {key_name::kLeft, GDK_KEY_Left, GDK_KEY_KP_Left},
    {key_name::kRight, GDK_KEY_Right, GDK_KEY_KP_Right},
    {key_name::kHome, GDK_KEY_Home, GDK_KEY_KP_Home},
    {key_name::kEnd, GDK_KEY_End, GDK_KEY_KP_End},
    {key_name::kDelete, GDK_KEY_Delete, GDK_KEY_KP_Delete},
    {key_name::kUp, GDK_KEY_Up, GDK_KEY_KP_Up},
    {key_name::kDown, GDK_KEY_Down, GDK_KEY_KP_Down},
    {key_name::kPageUp, GDK_KEY_Page_Up, GDK_KEY_KP_Page_Up},
    {key_name::kPageDown, GDK_KEY_Page_Down, GDK_KEY_KP_Page_Down},
    {key_name::kF1, GDK_KEY_F1, GDK_KEY_F1},
    {key_name::kF10, GDK_KEY_F10, GDK_KEY_F10},
    {key_name::kMenu, GDK_KEY_Menu, GDK_KEY_Menu},
};

}  // namespace

char32_t keyNameOf(guint keyval) {
  for (const NamedKey& k : kNamedKeys) {
    if (k.keyval == keyval || k.keypad == keyval) return k.name;
  }
  // Keysyms of printable ASCII are the characters themselves.
  if (keyval >= 0x20 && keyval <= 0x7E) return keyNamed(keyval);
  // Other keysyms that type ASCII are the keypad's.
  const gunichar c = gdk_keyval_to_unicode(keyval);
  if (c >= 0x20 && c <= 0x7E) return key_name::keypadKey(c);
  return c > 0x7F ? c : 0;
}

Modifiers modifiersOf(GdkModifierType state) {
  return {(state & GDK_CONTROL_MASK) != 0, (state & GDK_SHIFT_MASK) != 0,
          (state & GDK_MOD1_MASK) != 0};
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

KeyOnLayouts keyLayoutsOf(const GdkEventKey* event) {
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  KeyOnLayouts key;
  key.group = event->group;
  key.usKey = keyNameOf(usKeyAt(event->hardware_keycode));
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
      key.groups[entry.group][entry.level] = keyNameOf(keyvals[i]);
    }
  }
  // A keymap that knows nothing of the key still has the event's own keyval.
  if (key.groups.empty()) {
    key.groups.push_back({keyNameOf(event->keyval), 0});
    key.group = 0;
  }
  return key;
}

}  // namespace zarq::gtk
