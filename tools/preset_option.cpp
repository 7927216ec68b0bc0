#include "preset_option.h"

#include "commands.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "input_files.h"

namespace zarq::tool {

bool loadPresetOption(SettingsForm& form, const ParsedArgs& parsed) {
  if (!parsed.has(kPresetOption)) return true;
  const std::string file = parsed.value(kPresetOption);
  const PresetRead read = readPresetFile(pathArg(file));
  if (!read.values) {
    inputError(describeFailure(pathArg(file), read));
    return false;
  }
  applyPreset(form, *read.values, true);
  return true;
}

}  // namespace zarq::tool
