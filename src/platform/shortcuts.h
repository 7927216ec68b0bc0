#pragma once
// The editor's keyboard shortcuts, one table for every desktop: the GTK window looks a key up
// in it, the Windows window makes its accelerator table from it. A shortcut goes by the key,
// not by what the key types, the key named as platform/keys.h names it.

#include <cstdint>
#include <optional>
#include <variant>

#include "platform/keys.h"
#include "platform/platform.h"

namespace zarq {

// What the window itself does on a shortcut: close as its close box does.
enum class WindowAction { Close };
using ShortcutAction = std::variant<Command, WindowAction>;

// The modifiers a shortcut names; any other one held (Alt, Shift where it names none) keeps the
// key from being the shortcut.
enum class ShortcutModifiers : std::uint8_t { Ctrl, Shift, CtrlShift };

struct Shortcut {
  char32_t key;
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
    {key_name::kTab, ShortcutModifiers::Shift, Command::PreviousField},
    // Ctrl+plus is Ctrl+Shift+= where "+" is shifted.
    {key_name::kPlus, ShortcutModifiers::Ctrl, Command::ZoomIn},
    {key_name::kPlus, ShortcutModifiers::CtrlShift, Command::ZoomIn},
    {key_name::kKeypadPlus, ShortcutModifiers::Ctrl, Command::ZoomIn},
    {key_name::kMinus, ShortcutModifiers::Ctrl, Command::ZoomOut},
    {key_name::kKeypadMinus, ShortcutModifiers::Ctrl, Command::ZoomOut},
    {u'0', ShortcutModifiers::Ctrl, Command::ZoomReset},
    // The desktop's usual keys for closing a window.
    {u'Q', ShortcutModifiers::Ctrl, WindowAction::Close},
    {u'W', ShortcutModifiers::Ctrl, WindowAction::Close},
};

// The shortcut on `key` (its name) held with exactly the modifiers it names.
inline std::optional<ShortcutAction> shortcutFor(char32_t key, Modifiers mods) {
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
