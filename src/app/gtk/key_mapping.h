#pragma once
// GTK's keys in the editor's key vocabulary (platform/keys.h): each keysym by the name of its
// key, and a key press as what its physical key gives in each layout group of the keymap, so
// that the core picks the key an accelerator sees whatever the layout.

#include <gdk/gdk.h>

#include <optional>

#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/shortcuts.h"

namespace zarq::gtk {

// The unshifted keyval of the key with this hardware code on a US keyboard (the XKB
// database's keymap), as a reference for where a key is; 0 when the code has none or the
// keymap could not be loaded.
guint usKeyAt(guint hardwareKeycode);

// The name of the key `keyval` is on; a letter of another script is itself, and a key the
// editor has no name for (Shift, F2, most dead keys) is 0.
char32_t keyNameOf(guint keyval);

// The key of `event` as its display's keymap and a US keyboard describe it.
KeyOnLayouts keyLayoutsOf(const GdkEventKey* event);

Modifiers modifiersOf(GdkModifierType state);

inline KeyStroke keyStrokeOf(guint keyval, Modifiers mods) {
  return keyStrokeOn(keyNameOf(keyval), mods);
}
inline std::optional<char16_t> controlCharacter(guint keyval, Modifiers mods) {
  return controlCharacterOn(keyNameOf(keyval), mods);
}

}  // namespace zarq::gtk
