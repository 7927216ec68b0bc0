#pragma once
// What a key does in the editor's window: a shortcut, one of the four keys that act as
// characters, a key that acts as it is released, or nothing special (the key then goes to the
// input method). Keys are matched by the key they are on, whatever Shift or the layout's
// levels make of them.
//
// Which key an accelerator sees in a key press, whatever the keyboard layout: accelerators go
// by the key's place, as on Windows, so Ctrl+1 is the key of "1" on AZERTY too (where it
// types "&" unshifted) and Ctrl+S the key of "S" on a Russian layout (where it types "ы").

#include <gdk/gdk.h>

#include <array>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/shortcuts.h"

namespace zarq::gtk {

// What the keymap says of one physical key.
struct KeyLayouts {
  // What the key gives in each layout group of the keymap, at its first two levels
  // (unshifted, shifted); 0 where it gives nothing.
  std::vector<std::array<guint, 2>> groups;
  int group = 0;    // the group in use
  guint usKey = 0;  // what the key at this place gives on a US keyboard; 0 if unknown
};

// The unshifted keyval of the key with this hardware code on a US keyboard (the XKB
// database's keymap), as a reference for where a key is; 0 when the code has none or the
// keymap could not be loaded.
guint usKeyAt(guint hardwareKeycode);

// The key an accelerator names ('s', '1', Home, ...): a Latin letter or digit the key gives
// in the group in use, unshifted or else shifted; any other key that gives ASCII or nothing
// printable (punctuation, Return, F1, ...) as the group gives it; and a key that gives a
// letter of another script as it is in the first group that gives a Latin letter or digit
// for it, else as on a US keyboard. Letters come in lower case.
guint acceleratorKey(const KeyLayouts& key);

// The key of `event` as its display's keymap and a US keyboard describe it.
KeyLayouts keyLayoutsOf(const GdkEventKey* event);

Modifiers modifiersOf(GdkModifierType state);

// The shortcut on `key` (the key as acceleratorKey names it, e.g. 's' or '1'), held with
// exactly the modifiers the shortcut names (platform/shortcuts.h).
std::optional<ShortcutAction> shortcutFor(guint key, Modifiers mods);

// Backspace, Tab, Return and Escape typed as the characters 8, 9, 13 and 27. With Ctrl or
// Alt held they type nothing the editor would take.
std::optional<char16_t> controlCharacter(guint keyval, Modifiers mods);

// The key handler's view of a released or repeating key (the caret keys, the slider keys,
// Space, Enter, F1, F10 and the context-menu key), with Shift and Ctrl; with Alt held no key
// is the editor's.
KeyStroke keyStrokeOf(guint keyval, Modifiers mods);

}  // namespace zarq::gtk
