#include "app/win32/accelerator_table.h"

namespace zarq::win32 {
namespace {

WORD virtualKeyOf(char16_t key) {
  switch (key) {
    case shortcut_key::kTab:
      return VK_TAB;
    case shortcut_key::kPlus:
      return VK_OEM_PLUS;
    case shortcut_key::kMinus:
      return VK_OEM_MINUS;
    case shortcut_key::kKeypadPlus:
      return VK_ADD;
    case shortcut_key::kKeypadMinus:
      return VK_SUBTRACT;
    default:
      return key;  // letters and digits are their own virtual keys
  }
}

BYTE flagsOf(ShortcutModifiers modifiers) {
  switch (modifiers) {
    case ShortcutModifiers::Ctrl:
      return FVIRTKEY | FCONTROL;
    case ShortcutModifiers::Shift:
      return FVIRTKEY | FSHIFT;
    case ShortcutModifiers::CtrlShift:
      break;
  }
  return FVIRTKEY | FCONTROL | FSHIFT;
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
