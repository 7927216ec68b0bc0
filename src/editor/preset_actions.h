#pragma once
// Saving the form as a preset and loading one into it, as the commands, drops and the
// window's opening and closing do.

#include <cstdint>
#include <filesystem>
#include <span>

#include "common/text.h"
#include "files/atomic_file.h"
#include "files/preset_codec.h"

namespace zarq {

struct SettingsForm;

// The filter of the preset dialogs.
inline constexpr TextView kPresetFilter = u"预设文件(*.set)";
inline constexpr TextView kPresetPattern = u"*.set";

// Writes the form (kPresetVersion) so that a failure leaves the previous file as it was.
// Unless silent, reports success or failure in a message box.
WriteOutcome savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent);
// Asks where to save the form (Ctrl+S), adds ".set", asks before replacing a file, and saves,
// saying how it went. True once the form is saved; false when cancelled or failed.
bool saveToChosenFile(SettingsForm& form);
// Ends any editing, then reads a preset of any version the codec knows into the form and shows the
// current page afresh. The form changes only when the whole file is sound. Unless silent,
// reports success or failure. Returns whether the form was loaded.
bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent);
// The same for a preset's bytes read elsewhere.
bool loadPresetBytes(SettingsForm& form, std::span<const std::uint8_t> bytes, bool silent);
// Whether `path` is the editor's "save.set", as written or by another name of the same file
// ("SAVE.set" where case does not count, a path through "." or a link to its folder).
bool isSaveSet(SettingsForm& form, const std::filesystem::path& path);
// Puts decoded values into the form as a load does, from the text slots to the page shown
// afresh. An interactive load keeps the current output path; the start-up load takes the
// stored one.
void applyPreset(SettingsForm& form, const PresetValues& values, bool takeOutputPath);

}  // namespace zarq
