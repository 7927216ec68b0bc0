#pragma once
// The chart's media as the form names them.

#include <filesystem>

namespace zarq {

struct SettingsForm;

// "<chart ID>.<suffix>" in the editor's folder, with the suffix of the slot `suffixSlot`
// (the illustration's or the music's). The one place that turns these two texts into a file.
std::filesystem::path mediaFile(const SettingsForm& form, int suffixSlot);

}  // namespace zarq
