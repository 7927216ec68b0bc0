#include "app/gtk/accelerator_key.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>

#include "backend/gtk/glib_owned.h"

namespace zarq::gtk {
namespace {

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

KeyLayouts keyLayoutsOf(GdkKeymap* keymap, const GdkEventKey* event) {
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
