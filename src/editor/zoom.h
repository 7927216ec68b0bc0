#pragma once
// The user's zoom of the whole form: Ctrl+plus and Ctrl+minus make it larger or smaller by
// kZoomStepPercent, Ctrl+0 brings it back to the desktop's own text size. The window draws
// the same 960 x 720 form at the new size (as far as the screen allows), and the zoom is kept
// for the next start.

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

inline constexpr int kZoomStepPercent = 10;
inline constexpr int kDefaultZoomPercent = 100;

// The zoom after one of the zoom commands, from `percent`: stepped and kept within
// kMinZoomPercent to kMaxZoomPercent; `percent` itself for any other command.
int zoomAfter(int percent, Command command);
bool isZoomCommand(Command command);
// Carries out a zoom command: the window shows the form at its new size, and the zoom it
// shows is kept in the configuration folder (a line on the standard error when it cannot
// be). A zoom that goes no further (an end of the zoom, or the screen full) rings the bell.
void changeZoom(SettingsForm& form, Command command);
// The zoom kept by an earlier run, shown from the start as far as the screen holds it; 100 %
// when none was kept.
void restoreZoom(SettingsForm& form);
// The window shows the form at `scale` window pixels per pixel of the form: screen readers
// hear where the controls are now.
void showAtScale(SettingsForm& form, double scale);

}  // namespace zarq
