#pragma once
// The ".set" preset as a file: read whole or refused, written so that a failure leaves the
// previous file as it was.

#include <filesystem>
#include <optional>
#include <span>

#include "common/text.h"
#include "files/atomic_file.h"
#include "files/preset_codec.h"
#include "platform/file_system.h"

namespace zarq {

// What reading a preset file gives: its values, or the message that says why not.
struct PresetRead {
  std::optional<PresetValues> values;
  Text failure;  // "无法读取文件！" or "读取失败！(ERROR n)"
  // Why the file could not be read, for "无法读取文件！"; None for a damaged preset.
  FileError error = FileError::None;
  PresetError damage = PresetError::None;  // what is wrong with a damaged preset
};
// A preset of any version the codec knows; anything short of a whole, sound file is refused.
PresetRead readPresetFile(const std::filesystem::path& path, FileSystem& files = osFileSystem());
// The same for bytes read elsewhere (a pipe, standard input).
PresetRead readPresetBytes(std::span<const std::uint8_t> bytes);

// Writes the values as kPresetVersion. A file it replaces is first kept in the preset history
// below `historyRoot` (files/preset_history.h); an empty root keeps none.
WriteOutcome writePresetFile(const std::filesystem::path& path, const PresetValues& values,
                             FileSystem& files = osFileSystem(),
                             const std::filesystem::path& historyRoot = {});

}  // namespace zarq
