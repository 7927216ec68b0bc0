#pragma once
// Controls whose enabled state follows a check box or the obtained type: the one table both
// a click on the box and a preset load apply.

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

}  // namespace zarq
