#include "preset_option.h"

#include "commands.h"
#include "editor/preset_actions.h"
#include "input_files.h"

namespace zarq::tool {

bool loadPresetOption(SettingsForm& form, const ParsedArgs& parsed) {
  if (!parsed.has(kPresetOption)) return true;
  const PresetInput read = readPresetInput(pathArg(parsed.value(kPresetOption)));
  if (!read.values) {
    inputError(read.problem);
    return false;
  }
  applyPreset(form, *read.values, true);
  return true;
}

std::filesystem::path folderOf(const std::filesystem::path& preset) {
  const std::filesystem::path folder = preset == "-" ? "" : preset.parent_path();
  return folder.empty() ? "." : folder;
}

std::optional<std::filesystem::path> formFolder(const ParsedArgs& parsed) {
  if (!parsed.has("--dir")) {
    return parsed.has(kPresetOption) ? folderOf(pathArg(parsed.value(kPresetOption))) : ".";
  }
  const std::filesystem::path dir = pathArg(parsed.value("--dir"));
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(dir, error);
  if (std::filesystem::is_directory(status)) return dir;
  usageError((std::filesystem::exists(status) ? "not a folder: " : "no such folder: ") +
             pathText(dir));
  return std::nullopt;
}

}  // namespace zarq::tool
