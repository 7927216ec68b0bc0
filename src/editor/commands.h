#pragma once
// Keyboard accelerators: the editor's only commands.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// Any number may arrive from a window's command message; unknown ones do nothing.
void handleCommand(SettingsForm& form, Command command);

}  // namespace zarq
