#include "preset_option.h"

#include <cstdio>

#include "common/utf.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"

namespace zarq::tool {

bool loadPresetOption(SettingsForm& form, const ParsedArgs& parsed) {
  if (!parsed.has(kPresetOption)) return true;
  const std::string file = parsed.value(kPresetOption);
  const PresetRead read = readPresetFile(pathArg(file));
  if (!read.values) {
    std::fprintf(stderr, "zarq-preset: %s: %s\n", file.c_str(), toUtf8(read.failure).c_str());
    return false;
  }
  applyPreset(form, *read.values, true);
  return true;
}

}  // namespace zarq::tool
