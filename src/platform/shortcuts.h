#pragma once
// The editor's keyboard shortcuts, one table for every desktop: the GTK window looks a key up
// in it, the Windows window makes its accelerator table from it. A shortcut goes by the key,
// not by what the key types: a Latin letter or digit is named by its upper-case character,
// the few other keys by the names below.

#include <cstdint>
#include <optional>
#include <variant>

#include "platform/platform.h"

namespace zarq {

// What the window itself does on a shortcut: close as its close box does.
enum class WindowAction { Close };
using ShortcutAction = std::variant<Command, WindowAction>;

namespace shortcut_key {
inline constexpr char16_t kTab = u'\t';
// The key that types "+", shifted or not (on a US keyboard "=" with "+" above it).
inline constexpr char16_t kPlus = u'+';
inline constexpr char16_t kMinus = u'-';
// The keypad's, in the private use area: they type what the keys above do.
inline constexpr char16_t kKeypadPlus = 0xE02B;
inline constexpr char16_t kKeypadMinus = 0xE02D;
}  // namespace shortcut_key

// The modifiers a shortcut names; any other one held (Alt, Shift where it names none) keeps the
// key from being the shortcut.
enum class ShortcutModifiers : std::uint8_t { Ctrl, Shift, CtrlShift };

struct Shortcut {
  char16_t key;
  ShortcutModifiers modifiers;
  ShortcutAction action;
};

inline constexpr Shortcut kShortcuts[] = {
    {u'V', ShortcutModifiers::Ctrl, Command::Paste},
    {u'1', ShortcutModifiers::Ctrl, Command::Page1},
    {u'2', ShortcutModifiers::Ctrl, Command::Page2},
    {u'3', ShortcutModifiers::Ctrl, Command::Page3},
    {u'4', ShortcutModifiers::Ctrl, Command::Page4},
    {u'5', ShortcutModifiers::Ctrl, Command::Page5},
    {u'6', ShortcutModifiers::Ctrl, Command::Page6},
    {u'S', ShortcutModifiers::Ctrl, Command::Save},
    {u'S', ShortcutModifiers::CtrlShift, Command::SaveAlternative},
    {u'O', ShortcutModifiers::Ctrl, Command::Open},
    {u'O', ShortcutModifiers::CtrlShift, Command::PageDialog},
    {u'A', ShortcutModifiers::Ctrl, Command::SelectAll},
    {u'C', ShortcutModifiers::Ctrl, Command::Copy},
    {u'X', ShortcutModifiers::Ctrl, Command::Cut},
    {u'Z', ShortcutModifiers::Ctrl, Command::Undo},
    {u'Y', ShortcutModifiers::Ctrl, Command::Redo},
    {u'Z', ShortcutModifiers::CtrlShift, Command::Redo},
    {shortcut_key::kTab, ShortcutModifiers::Shift, Command::PreviousField},
    // Ctrl+plus is Ctrl+Shift+= where "+" is shifted.
    {shortcut_key::kPlus, ShortcutModifiers::Ctrl, Command::ZoomIn},
    {shortcut_key::kPlus, ShortcutModifiers::CtrlShift, Command::ZoomIn},
    {shortcut_key::kKeypadPlus, ShortcutModifiers::Ctrl, Command::ZoomIn},
    {shortcut_key::kMinus, ShortcutModifiers::Ctrl, Command::ZoomOut},
    {shortcut_key::kKeypadMinus, ShortcutModifiers::Ctrl, Command::ZoomOut},
    {u'0', ShortcutModifiers::Ctrl, Command::ZoomReset},
    // The desktop's usual keys for closing a window.
    {u'Q', ShortcutModifiers::Ctrl, WindowAction::Close},
    {u'W', ShortcutModifiers::Ctrl, WindowAction::Close},
};

// The modifiers held with a key; Super, Num Lock and the like play no part.
struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The shortcut on `key` held with exactly the modifiers it names.
inline std::optional<ShortcutAction> shortcutOn(char16_t key, Modifiers mods) {
  if (mods.alt || (!mods.ctrl && !mods.shift)) return std::nullopt;
  const ShortcutModifiers held = !mods.shift  ? ShortcutModifiers::Ctrl
                                 : !mods.ctrl ? ShortcutModifiers::Shift
                                              : ShortcutModifiers::CtrlShift;
  for (const Shortcut& s : kShortcuts) {
    if (s.key == key && s.modifiers == held) return s.action;
  }
  return std::nullopt;
}

}  // namespace zarq
