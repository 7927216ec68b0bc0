#pragma once

namespace zarq {

struct SettingsForm;

// Paints one complete frame of the page on view off-screen and presents it.
void renderFrame(SettingsForm& form);

}  // namespace zarq
