#include "app/gtk/us_keyboard.h"

#include <xkbcommon/xkbcommon.h>

namespace zarq::gtk {

UsKeyboard::UsKeyboard() {
  context_ = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
  if (!context_) return;
  // The rules X and Wayland use, so hardware codes mean the same keys.
  const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
  keymap_ = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
}

UsKeyboard::~UsKeyboard() {
  if (keymap_) xkb_keymap_unref(keymap_);
  if (context_) xkb_context_unref(context_);
}

guint UsKeyboard::keyvalAt(guint hardwareKeycode) const {
  if (!keymap_) return 0;
  const xkb_keysym_t* syms = nullptr;
  const int count = xkb_keymap_key_get_syms_by_level(keymap_, hardwareKeycode, 0, 0, &syms);
  // XKB keysyms and GDK keyvals are the same numbers.
  return count > 0 ? syms[0] : 0;
}

const UsKeyboard& usKeyboard() {
  static const UsKeyboard keyboard;
  return keyboard;
}

}  // namespace zarq::gtk
