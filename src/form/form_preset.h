#pragma once
// The form as a preset stores it, and back.

#include "files/preset_codec.h"

namespace zarq {

struct SettingsForm;

// The form's values as a preset stores them (kPresetVersion).
PresetValues presetFromForm(const SettingsForm& form);
// Puts decoded values into the form as a load does: the texts, boxes, sliders, options and
// the obtained type, with the states and places that follow them. An interactive load keeps
// the current output path; the start-up load takes the stored one. Nothing is validated.
void putPresetIntoForm(SettingsForm& form, const PresetValues& values, bool takeOutputPath);

}  // namespace zarq
