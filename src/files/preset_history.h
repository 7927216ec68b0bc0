#pragma once
// Earlier versions of the presets the editor and zarq-preset replace, so that none is lost by
// a save: before a preset is replaced, its content is copied into a history of its own in
// the user's data folder, never beside it, where the newest kHistoryVersions stay.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "files/atomic_file.h"
#include "platform/file_system.h"

namespace zarq {

inline constexpr int kHistoryVersions = 20;

// "zarq-settings/history" in the user's data folder; empty when there is none.
std::filesystem::path presetHistoryRoot();

// The folder below `root` that keeps the versions of `preset`: named after it, and told from
// another preset of that name by a hash of the folder it lies in.
std::filesystem::path historyFolder(const std::filesystem::path& root,
                                    const std::filesystem::path& preset);

struct HistoryVersion {
  int number = 0;  // 1 for the newest
  std::filesystem::path file;
  std::int64_t keptAt = 0;  // when it was replaced, in seconds since 1970
};

// Copies `preset` as it is now into its history as the newest version, on the disk before
// this returns, then forgets all but the newest kHistoryVersions.
FileError keepInHistory(FileSystem& files, const std::filesystem::path& root,
                        const std::filesystem::path& preset);

// What a write that replaces `preset` calls first (files/atomic_file.h): keepInHistory;
// nothing for an empty root.
KeepOld historyKeeper(FileSystem& files, const std::filesystem::path& root,
                      const std::filesystem::path& preset);

// The versions kept of `preset`, newest first; none when it has no history.
FileError listHistory(FileSystem& files, const std::filesystem::path& root,
                      const std::filesystem::path& preset, std::vector<HistoryVersion>& versions);

}  // namespace zarq
