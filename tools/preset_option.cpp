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

}  // namespace zarq::tool
