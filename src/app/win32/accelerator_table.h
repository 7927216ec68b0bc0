#pragma once
// The window's accelerator table, made when the editor starts from the one table of shortcuts
// (platform/shortcuts.h): each shortcut's key as its virtual key, each action as the command
// number WM_COMMAND carries.

#include <windows.h>

#include <vector>

#include "backend/win32/owned_handle.h"
#include "platform/shortcuts.h"

namespace zarq::win32 {

// The command number of the window's own action: close as the close box does.
inline constexpr WORD kCloseWindowCommand = 40030;

// The entries of the table, a modifier an entry does not name being up.
std::vector<ACCEL> acceleratorEntries();
// The action of a command number the table sent.
ShortcutAction actionOfCommand(WORD command);

// The table, destroyed with its owner.
using AcceleratorTable = OwnedHandle<HACCEL, DestroyAcceleratorTable>;
AcceleratorTable makeAcceleratorTable();

}  // namespace zarq::win32
