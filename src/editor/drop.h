#pragma once
// Files dropped on the window, and the avatar picker.

#include <filesystem>
#include <vector>

namespace zarq {

struct SettingsForm;

// Handles the dropped files in order, by the page on view.
void handleDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths);
// Lets the user pick an avatar image and copies it into the editor's folder.
void openAvatar(SettingsForm& form);

}  // namespace zarq
