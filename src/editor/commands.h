#pragma once
// Keyboard accelerators: the editor's only commands.

#include <filesystem>

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// Any number may arrive from a window's command message; unknown ones do nothing.
void handleCommand(SettingsForm& form, Command command);
// What Ctrl+O does with the file its dialog chose: loads it as a preset, reporting success
// or what is wrong.
void openPreset(SettingsForm& form, const std::filesystem::path& file);

}  // namespace zarq
