#pragma once
// Work that may take seconds, such as copying hundreds of megabytes of media: it runs away
// from the window's thread while the window keeps painting with the busy mark, and input
// waits until it is done.

#include <filesystem>
#include <functional>

#include "files/file_copy.h"

namespace zarq {

struct SettingsForm;

// Runs `work`, which must not touch the form, as the host's long work.
void runLongWork(SettingsForm& form, const std::function<void()>& work);
// copyFile as long work.
bool copyAsLongWork(SettingsForm& form, const std::filesystem::path& from,
                    const std::filesystem::path& to, CopyMode mode);

}  // namespace zarq
