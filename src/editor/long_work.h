#pragma once
// Work that may take seconds, such as copying hundreds of megabytes of media: it runs away
// from the window's thread while the window keeps painting with the busy mark, and input
// waits until it is done.

#include <filesystem>
#include <functional>

#include "common/text.h"
#include "files/atomic_file.h"

namespace zarq {

struct SettingsForm;

// Runs `work`, which must not touch the form, as the host's long work.
void runLongWork(SettingsForm& form, const std::function<void()>& work);
// copyFileAtomically as long work, stopped when the session ends.
WriteOutcome copyAsLongWork(SettingsForm& form, const std::filesystem::path& from,
                            const std::filesystem::path& to, CopyMode mode);
// Says why a copy to `to` failed, unless the session's end stopped it: `cannotOpen` when its source
// could not be read, the file and the reason when the copy could not be written. A copy made
// whose folder could not be pushed to the disk is told as made, but perhaps not for good.
void tellCopyOutcome(SettingsForm& form, const WriteOutcome& outcome,
                     const std::filesystem::path& to, TextView cannotOpen, TextView about);

}  // namespace zarq
