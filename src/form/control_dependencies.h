#pragma once
// Controls whose availability, visibility or place follows a check box or the obtained type.
// Which controls follow what is in their rows (`enabledBy`, `shownBy`); a click on a box, the
// selector and a preset load all apply it from here.

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// Whether `source` (a check box's index, or kObtainedTypeChosen) holds now.
bool sourceHolds(const SettingsForm& form, int source);
// The fields, sliders and check boxes `source` makes usable, with their captions.
void enableFollowers(SettingsForm& form, int source, bool on);
// The fields `box` shows while ticked.
void showFollowers(SettingsForm& form, int box, bool on);

// The chart screen's song name stands right of the name bar while `nameBar` is ticked.
void placeNameBarDependents(SettingsForm& form);
// The score-increase box moves right of the three score fields while they are shown.
void placeScoreIncreaseBox(SettingsForm& form);

// The selector of the result page with `caption`, and the content it offers to fill in.
void setObtainedType(SettingsForm& form, TextView caption);

// What the check boxes make usable, and the places above, from the boxes as they are now
// (after a preset load).
void applyControlDependencies(SettingsForm& form);

}  // namespace zarq
