#pragma once
// The ".set" preset: the whole form in one scrambled binary file. "save.set" in the
// editor's folder is written when the window closes and read when the form is built.

#include <filesystem>
#include <optional>

#include "common/text.h"
#include "files/atomic_file.h"
#include "files/preset_codec.h"

namespace zarq {

struct SettingsForm;

// Writes the form (version 1005) so that a failure leaves the previous file as it was.
// Unless silent, reports success or failure in a message box. Returns whether the file was
// written.
bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent);
bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent,
                FileOutput& output);
// Ends any editing, then reads a preset of version 1001 to 1005 into the form and shows the
// current page afresh. The form changes only when the whole file is sound. Unless silent,
// reports success or failure. Returns whether the form was loaded.
bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent);

// What reading a preset file gives: its values, or the message that says why not.
struct PresetRead {
  std::optional<PresetValues> values;
  Text failure;  // "无法读取文件！" or "读取失败！(ERROR n)"
};
PresetRead readPresetFile(const std::filesystem::path& path);

// The form's values as a preset stores them.
PresetValues presetFromForm(const SettingsForm& form);
// Puts decoded values into the form as a load does, from the text slots to the final
// showPage. An interactive load keeps the current output path; the start-up load takes
// the stored one.
void applyPreset(SettingsForm& form, const PresetValues& values, bool takeOutputPath);

}  // namespace zarq
