// Placeholder until the preset format lands.
#include "files/preset_file.h"

namespace zarq {

bool savePreset(SettingsForm&, const std::filesystem::path&, bool) { return false; }
bool loadPreset(SettingsForm&, const std::filesystem::path&, bool) { return false; }

}  // namespace zarq
