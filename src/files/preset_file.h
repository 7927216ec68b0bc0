#pragma once
// The ".set" preset: the whole form in one scrambled binary file.

#include <filesystem>

namespace zarq {

struct SettingsForm;

// Writes the form (version 1005). Unless silent, reports success or failure in a message
// box. Returns whether the file was written.
bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent);
// Reads a preset of version 1001 to 1005 into the form and shows the current page afresh.
// Unless silent, reports success or failure. Returns whether the form was loaded.
bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent);

}  // namespace zarq
