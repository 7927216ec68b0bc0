#pragma once
// Controls whose enabled state or place follows a check box or the obtained type: the one
// table that a click on the box and a preset load both apply.

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// Dim, hit-sound and music volume: sliders, fields and captions follow `recordChart`.
void enableChartPartControls(SettingsForm& form, bool on);
// The result volume's slider, field and caption follow `recordResult`.
void enableResultPartControls(SettingsForm& form, bool on);
// The first line of the split song name follows `songNameSplit`.
void enableSplitNameLine(SettingsForm& form, bool on);
// The obtained content, its split box and that box's caption, while a type is chosen.
void enableObtainedContent(SettingsForm& form, bool on);

// The chart screen's song name stands right of the name bar while `nameBar` is ticked.
void placeNameBarDependents(SettingsForm& form);
// The score-increase box moves right of the three score fields while they are shown.
void placeScoreIncreaseBox(SettingsForm& form);

// The selector of the result page with `caption`, and the content it offers to fill in.
void setObtainedType(SettingsForm& form, TextView caption);

// Every state and place above, from the boxes as they are now (after a preset load).
void applyControlDependencies(SettingsForm& form);

}  // namespace zarq
