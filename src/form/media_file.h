#pragma once
// The chart, its media and the avatar as the form names them.

#include <filesystem>

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// "<chart ID>.<suffix>" in the editor's folder, with the suffix of the slot `suffixSlot`
// (the illustration's or the music's). The one place that turns these two texts into a file.
std::filesystem::path mediaFile(const SettingsForm& form, int suffixSlot);
// A file of the editor's folder that the form names (the chart, the avatar), found as
// findFile finds it: the exact name, else the one entry that differs only in case.
std::filesystem::path namedFile(const SettingsForm& form, TextView name);

}  // namespace zarq
