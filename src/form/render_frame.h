#pragma once

namespace zarq {

struct SettingsForm;

// Paints one complete frame of the page on view off-screen and presents it, with the
// background preview brought up to what the form says first.
void renderFrame(SettingsForm& form);
// Asks for a frame drawn on the window's thread once `delayMs` have passed, unless the form
// is gone by then. Safe to call from any thread while the form exists.
void renderFrameLater(SettingsForm& form, int delayMs);

}  // namespace zarq
