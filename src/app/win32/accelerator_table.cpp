#include "app/win32/accelerator_table.h"

#include "app/win32/key_strokes.h"

namespace zarq::win32 {
namespace {

BYTE flagsOf(ShortcutModifiers modifiers) {
  return FVIRTKEY | (modifiers != ShortcutModifiers::Shift ? FCONTROL : 0) |
         (modifiers != ShortcutModifiers::Ctrl ? FSHIFT : 0);
}

WORD commandOf(const ShortcutAction& action) {
  const Command* command = std::get_if<Command>(&action);
  return command ? static_cast<WORD>(*command) : kCloseWindowCommand;
}

}  // namespace

std::vector<ACCEL> acceleratorEntries() {
  std::vector<ACCEL> entries;
  for (const Shortcut& s : kShortcuts) {
    entries.push_back({flagsOf(s.modifiers), virtualKeyOf(s.key), commandOf(s.action)});
  }
  return entries;
}

ShortcutAction actionOfCommand(WORD command) {
  if (command == kCloseWindowCommand) return WindowAction::Close;
  return static_cast<Command>(command);
}

AcceleratorTable makeAcceleratorTable() {
  std::vector<ACCEL> entries = acceleratorEntries();
  return AcceleratorTable(
      CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size())));
}

}  // namespace zarq::win32
