#pragma once

namespace zarq {

struct SettingsForm;

// Paints one complete frame of the page on view off-screen and presents it, with the
// background preview brought up to the picture last looked up. It touches no file: the
// window's events look the picture up when the form's file names or the folder change.
void renderFrame(SettingsForm& form);
// What an action does instead of drawing: the window event it belongs to ends with one frame
// showing every change it made. A widget's setters ask for it themselves.
void requestFrame(SettingsForm& form);
// Whether a frame was asked for, or a widget changed, since the last one.
bool frameOwed(SettingsForm& form);
// Asks for a frame drawn on the window's thread once `delayMs` have passed, unless the form
// is gone by then. Safe to call from any thread while the form exists.
void renderFrameLater(SettingsForm& form, int delayMs);

}  // namespace zarq
