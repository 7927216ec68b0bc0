#pragma once
// The user's zoom of the form (Ctrl+plus, Ctrl+minus, Ctrl+0), kept in the user's
// configuration folder beside the folder worked in last, so that the next start shows the
// form at the same size.

#include <filesystem>
#include <optional>

#include "platform/file_system.h"

namespace zarq {

// Where it is kept: "zarq-settings/zoom" in the configuration folder given.
std::filesystem::path rememberedZoomFile(const std::filesystem::path& configHome);
// The zoom kept there, in percent: nothing when there is none or the file holds anything but
// one whole number from kMinZoomPercent to kMaxZoomPercent.
std::optional<int> readRememberedZoom(const std::filesystem::path& configHome);
// Keeps `percent` for the next start, creating the configuration folder when needed and
// replacing what was kept atomically. False when it could not be written.
bool rememberZoom(FileSystem& files, const std::filesystem::path& configHome, int percent);

inline constexpr int kMinZoomPercent = 50;
inline constexpr int kMaxZoomPercent = 300;

}  // namespace zarq
