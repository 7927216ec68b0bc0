// Placeholder until drops land.
#include "files/drop.h"

namespace zarq {

void handleDrop(SettingsForm&, const std::vector<std::filesystem::path>&) {}
void openAvatar(SettingsForm&) {}

}  // namespace zarq
