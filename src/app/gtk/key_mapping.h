#pragma once
// What a key does in the editor's window: a shortcut, one of the four keys that act as
// characters, a key that acts as it is released, or nothing special (the key then goes to the
// input method). Keys are matched by the key they are on, whatever Shift or the layout's
// levels make of them.

#include <gdk/gdk.h>

#include <optional>

#include "platform/platform.h"
#include "platform/shortcuts.h"

namespace zarq::gtk {

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
