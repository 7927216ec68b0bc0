#pragma once
// Hover, press and release on the self-drawn form.

namespace zarq {

struct SettingsForm;

void handleMouseMove(SettingsForm& form, int x, int y);
void handlePress(SettingsForm& form, int x, int y);
// From a button release (positionGiven) or a mouse-leave in the foreground (the last
// recorded position is used).
void handleRelease(SettingsForm& form, int x, int y, bool positionGiven);
// The press under way is given up (its page turned): a slider's drag ends at the value it
// reached, and the release that comes later does nothing.
void abandonPress(SettingsForm& form);
// The page a click on arrow 0 (left) or 1 (right) leads to from the current page.
int pageAfterArrow(const SettingsForm& form, int arrow);

}  // namespace zarq
